// The main window: a modeless dialog owned by the hidden frame window.
#pragma once

#include <windows.h>

#include "messenger/mainwindow/win32/main_window.h"

namespace kivet {

// Creates the dialog for the window's state; the state must outlive it.
HWND CreateMainDialog(MainWindow& window, HWND frame);

// Hides the main window to the tray, saving its geometry; nothing happens when it is hidden
// already.
void MinimiseMainWindowToTray(MainWindow& window);
// Shows the main window again, restored and in front, and (unless the caller refreshes it itself)
// shows the current message.
void RestoreMainWindow(MainWindow& window, bool refresh = true);

} // namespace kivet
