// The commands of the main window, its menus, toolbar, accelerators and tray menu.
#pragma once

#include <windows.h>

#include <string_view>

namespace kivet {

// Runs a command; false when the id is not one of the main window's commands.
bool RunMainCommand(HWND mainDialog, WORD id);
// Greys the commands whose windows are not part of the program yet.
void DisableUnavailableCommands(HWND mainDialog);
// Sets the check marks of the switches in both menus.
void UpdateCheckMarks(HWND mainDialog);
void ShowHelpContents();
// Add to Quick List / Add to Ignore List for a sender: confirmed in a box, then the settings are
// applied again.
void AddNameToQuickList(HWND mainDialog, std::string_view sender);
void AddNameToIgnoreList(HWND mainDialog, std::string_view sender);

} // namespace kivet
