// What Auto-Reply mode changes in the main window: its caption, the check marks, the auto-reply
// poll, the tray icon and the new-message animation.
#pragma once

#include <windows.h>

namespace kivet {

// Called once the Auto-Reply dialog has been confirmed.
void EnterAutoReplyMode(HWND mainDialog);
void LeaveAutoReplyMode(HWND mainDialog);

} // namespace kivet
