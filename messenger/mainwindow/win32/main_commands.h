// The commands of the main window, its menus, toolbar, accelerators and tray menu.
#pragma once

#include <windows.h>

namespace kivet {

// Runs a command; false when the id is not one of the main window's commands.
bool RunMainCommand(HWND mainDialog, WORD id);
// Greys the commands whose windows are not part of the program yet.
void DisableUnavailableCommands(HWND mainDialog);
// Sets the check marks of the switches in both menus.
void UpdateCheckMarks(HWND mainDialog);
void ShowHelpContents();

} // namespace kivet
