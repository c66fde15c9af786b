// What a newly stored message sets off: the beep, the sound, the pop-up, the jump to the newest
// message, the tray animation and the Scroll Lock light. Auto-Reply mode keeps all of them quiet;
// the counters and the tray tooltip still change.
#pragma once

#include "messenger/runtime/settings.h"

namespace kivet {

struct ArrivalAlerts {
    bool beep = false;
    bool sound = false; // the "Incoming message" sound, when a file is set for it
    bool popUp = false; // restore the minimised window
    bool jumpToNewest = false;
    bool startTrayAnimation = false;
    bool startScrollLock = false;
};

struct AlertState {
    bool autoReplyMode = false;
    bool windowMinimised = false;
    bool haveSoundFile = false;
    bool trayBlinking = false; // the animation runs already
    bool scrollLockBlinking = false;
    bool unreadMessages = false;
};

ArrivalAlerts PlanArrivalAlerts(const Settings& settings, const AlertState& state);

} // namespace kivet
