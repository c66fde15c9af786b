// The program's icon in the taskbar notification area.
#pragma once

#include <windows.h>

#include "messenger/mainwindow/win32/main_window.h"

namespace kivet {

// The icons are given by their resource numbers (334-338) and loaded once.
void AddTrayIcon(MainWindow& window, UINT iconId, const char* tooltip);
void RemoveTrayIcon(MainWindow& window);
// Changes the icon (iconId 0 keeps the one shown) and the tooltip.
void ModifyTrayIcon(MainWindow& window, UINT iconId, const char* tooltip);
// Frees the loaded icons; called when the program's windows are gone.
void FreeTrayIcons(MainWindow& window);
// Text of the tray tooltip: "%d Messages, %d New".
void FormatTrayTooltip(char* buf, int size, int total, int unread);
// The tray menu of the popup menus, or null.
HMENU TrayMenu(const MainWindow& window);
// Opens the tray menu at the cursor with its default item.
void ShowTrayMenu(MainWindow& window);

} // namespace kivet
