// Blinking the keyboard's Scroll Lock light while unread messages wait.
#pragma once

#include <windows.h>

namespace kivet {

void StartScrollLockBlinking(HWND mainDialog);
// One tick of timer 455: the light changes.
void OnScrollLockTick();
// Stops the blinking and gives the light (and the key's toggle state) back as the user had it.
void StopScrollLockBlinking(HWND mainDialog);

} // namespace kivet
