#include "messenger/mainwindow/arrival_alerts.h"

namespace kivet {

ArrivalAlerts PlanArrivalAlerts(const Settings& settings, const AlertState& state)
{
    ArrivalAlerts alerts;
    if (state.autoReplyMode) return alerts;
    alerts.beep = settings.PCSpeakerBeep != 0;
    alerts.sound = settings.PlaySoundOnReceive != 0 && state.haveSoundFile;
    alerts.popUp = settings.PopupOnReceive != 0 && state.windowMinimised;
    alerts.jumpToNewest = settings.JumpToLastMsg != 0;
    alerts.startTrayAnimation = state.unreadMessages && !state.trayBlinking;
    alerts.startScrollLock = state.unreadMessages && settings.ScrollLock != 0 && !state.scrollLockBlinking;
    return alerts;
}

} // namespace kivet
