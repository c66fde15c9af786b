// The menus under the toolbar's drop-down arrows: Reply with the Quick Answers, Auto-Reply with
// the Auto-Replies.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "messenger/mainwindow/win32/main_window.h"

namespace kivet {

// Opens the menu of the button whose arrow was pressed, under that button.
void ShowToolbarDropDown(MainWindow& window, NMTOOLBARA* toolbar);

} // namespace kivet
