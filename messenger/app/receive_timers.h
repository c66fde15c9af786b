// The main window's receiving timers: the plain (420), group (421) and auto-reply (444) polls,
// the minute tick (2000), and the announcement of what the polls stored.
#pragma once

#include <windows.h>

#include "messenger/app/application.h"

namespace kivet {

void StartReceiveTimers(Application& app);
// Auto-Reply mode: the auto-reply poll runs, the new-message blinking pauses.
void PauseForAutoReplyMode(Application& app);
// Leaving it: the poll stops and the blinking resumes for unread messages.
void ResumeAfterAutoReplyMode(Application& app);
// Handles WM_TIMER for the receiving timers; false for other timers.
bool OnReceiveTimer(Application& app, UINT_PTR timer);

} // namespace kivet
