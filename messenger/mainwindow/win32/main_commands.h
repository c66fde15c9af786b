// The commands of the main window that it carries out itself: moving between and deleting
// messages, the switches of its menus, About, help and the support pages. The others go to the
// host.
#pragma once

#include <windows.h>

#include "messenger/mainwindow/win32/main_window.h"

namespace kivet {

// Runs a command; false when it is not one of the main window's own.
bool RunMainCommand(MainWindow& window, WORD id);
// Greys the commands whose windows are not part of the program (the file transfer, the update check).
void DisableUnavailableCommands(MainWindow& window);
// Sets the check marks of the switches in both menus.
void UpdateCheckMarks(MainWindow& window);

} // namespace kivet
