// Blinking the keyboard's Scroll Lock light while unread messages wait.
#pragma once

#include <windows.h>

#include "messenger/mainwindow/win32/main_window.h"

namespace kivet {

void StartScrollLockBlinking(MainWindow& window);
// One tick of timer 455: one key event, a release and a press in turn, so the light changes on
// every other tick.
void OnScrollLockTick(MainWindow& window);
// Stops the blinking and gives the light (and the key's toggle state) back as the user had it.
void StopScrollLockBlinking(MainWindow& window);

} // namespace kivet
