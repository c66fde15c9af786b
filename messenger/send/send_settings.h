// The settings a send reads, taken once when it starts.
#pragma once

#include <string>
#include <string_view>

#include "messenger/runtime/settings.h"

namespace kivet {

struct SendSettings {
    bool notifyForMsgSending = true;
    bool useServer = false;
    bool useBroadcast = true;
    bool playSoundOnReceive = true;
    bool jumpToLastMsg = false;
    bool addUser = false;
    bool closeWindowAfterSending = false;
    std::string serverName; // the relay server (registry value "Server")
};

SendSettings SendSettingsFrom(const Settings& settings, std::string_view serverName);

} // namespace kivet
