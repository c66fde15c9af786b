#include "messenger/send/send_settings.h"

namespace kivet {

SendSettings SendSettingsFrom(const Settings& settings, std::string_view serverName)
{
    SendSettings s;
    s.notifyForMsgSending = settings.NotifyForMsgSending != 0;
    s.useServer = settings.UseServer != 0;
    s.useBroadcast = settings.UseBroadcast != 0;
    s.playSoundOnReceive = settings.PlaySoundOnReceive != 0;
    s.jumpToLastMsg = settings.JumpToLastMsg != 0;
    s.addUser = settings.AddUser != 0;
    s.closeWindowAfterSending = settings.CloseWindowAfterSending != 0;
    s.serverName = std::string(serverName);
    return s;
}

} // namespace kivet
