// The main menu bar and the popup menus of the active language. A language switch loads the new
// menus, puts the new bar on the window that carries it, and only then destroys the old menus, so
// that no window is left holding a destroyed menu.
#pragma once

#include <windows.h>

namespace kivet {

// The menu bar (resource 132) and the popup menus (resource 130); null before the first load.
HMENU LanguageMainMenu();
HMENU LanguagePopupMenus();

// Puts the current menu bar on `window` and keeps it there across later switches.
void AttachMainMenu(HWND window);

// Loads both menus from `resources` and replaces the current ones. A module without one of them
// leaves that menu empty (null).
void ReplaceLanguageMenus(HINSTANCE resources);

// Detaches the bar from its window and destroys both menus (at exit).
void DestroyLanguageMenus();

} // namespace kivet
