// The announcements of unread messages the main window runs itself: the tray animation (timer
// 433) and the Scroll Lock light (timer 455), started when messages arrive, paused in Auto-Reply
// mode and stopped when everything is read.
#pragma once

#include <windows.h>

#include "messenger/mainwindow/win32/main_window.h"

namespace kivet {

// Starts the tray animation and the Scroll Lock light when unread messages wait (not in Auto-Reply
// mode), each unless it runs already.
void StartBlinkingForUnread(MainWindow& window);
// With nothing unread the blinking stops and the tray goes back to its normal icon.
void StopBlinkingWhenAllRead(MainWindow& window);
// Auto-Reply mode: the animation pauses (it resumes when the mode ends) and the light stops.
void PauseBlinking(MainWindow& window);
// Leaving the mode: the animation resumes and unread messages start blinking.
void ResumeBlinking(MainWindow& window);
// Handles the two timers; false for any other.
bool OnAlertTimer(MainWindow& window, UINT_PTR timer);

} // namespace kivet
