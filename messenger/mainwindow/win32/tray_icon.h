// The program's icon in the taskbar notification area.
#pragma once

#include <windows.h>

namespace kivet {

// The icons are given by their resource numbers (334-338) and loaded once.
void AddTrayIcon(HWND owner, UINT iconId, const char* tooltip);
void RemoveTrayIcon(HWND owner);
// Changes the icon (iconId 0 keeps the one shown) and the tooltip.
void ModifyTrayIcon(HWND owner, UINT iconId, const char* tooltip);
// Frees the loaded icons; called when the program's windows are gone.
void FreeTrayIcons();
// What the tray shows now: the icon's resource number and the tooltip.
UINT ShownTrayIcon();
const char* ShownTrayTooltip();
// Text of the tray tooltip: "%d Messages, %d New".
void FormatTrayTooltip(char* buf, int size, int total, int unread);
// Opens the tray menu at the cursor with its default item.
void ShowTrayMenu(HWND owner, HMENU popupMenus);

} // namespace kivet
