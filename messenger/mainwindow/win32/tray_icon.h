// The program's icon in the taskbar notification area.
#pragma once

#include <windows.h>

namespace kivet {

void AddTrayIcon(HWND owner, HICON icon, const char* tooltip);
void RemoveTrayIcon(HWND owner);
// Changes the icon (when one is given) and the tooltip.
void ModifyTrayIcon(HWND owner, HICON icon, const char* tooltip);
// Text of the tray tooltip: "%d Messages, %d New".
void FormatTrayTooltip(char* buf, int size, int total, int unread);
// Opens the tray menu at the cursor with its default item.
void ShowTrayMenu(HWND owner, HMENU popupMenus);

} // namespace kivet
