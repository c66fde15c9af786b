// The main window's receiving timers: the plain (420), group (421) and auto-reply (444) polls and
// the announcement of what they stored.
#pragma once

#include <windows.h>

namespace kivet {

void StartReceiveTimers(HWND mainDialog);
// Starts the tray animation and the Scroll Lock light when unread messages wait (not in Auto-Reply
// mode), each unless it runs already.
void StartBlinkingForUnread(HWND mainDialog);
// Auto-Reply mode: the auto-reply poll runs, the tray animation and the Scroll Lock light pause.
void PauseForAutoReplyMode(HWND mainDialog);
// Leaving it: the poll stops, the animation resumes and unread messages start blinking.
void ResumeAfterAutoReplyMode(HWND mainDialog);
// Handles WM_TIMER for the receiving timers; false for other timers.
bool OnReceiveTimer(HWND mainDialog, UINT_PTR timer);

} // namespace kivet
