// The main window: a modeless dialog owned by the hidden frame window.
#pragma once

#include <windows.h>

namespace kivet {

HWND CreateMainDialog(HINSTANCE instance, HWND frame);

// Hides the main window to the tray, saving its geometry; nothing happens when it is hidden
// already.
void MinimiseMainWindowToTray();
// Shows the main window again, restored and in front, and (unless the caller refreshes it itself)
// shows the current message.
void RestoreMainWindow(bool refresh = true);

} // namespace kivet
