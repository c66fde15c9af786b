// Questions another program (a support tool or a test) may ask the main window about what it
// shows where the system does not reveal it across processes: menu item states, the tray and
// the last network scan.
#pragma once

#include <windows.h>

#include "messenger/mainwindow/win32/main_window.h"

namespace kivet {

// Answers the registered query messages; false for every other message.
//   "KivetSecureMessenger.MenuState": wParam the command, lParam 0 for the main menu and 1 for the
//     tray menu; the item's state flags, or -1 when the menu has no such item.
//   "KivetSecureMessenger.TrayState": wParam 0 gives the tray icon's resource number; wParam 1 gives
//     a global atom holding the tray tooltip. The window owns that atom: the asking program reads
//     it and leaves it alone; the next answer and the program's end delete it.
//   "KivetSecureMessenger.TreeImages": the number of pictures in the names tree's image list.
//   "KivetSecureMessenger.ScanState": what the last network scan found. wParam 0 gives the number
//     of computers in bits 0-14 and of logged-on users in bits 15-29, with bit 30 set while a
//     scan runs. wParam a global atom holding a computer or user name (the asking program's)
//     gives that name's state byte (0 off line, 1 on line, 2 in Auto-Reply mode), with 0x100
//     added when its computer answers on the secure port, or -1 when the scan did not list it.
bool AnswerWindowQuery(MainWindow& window, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& answer);

// Deletes the atom of the last tray answer.
void ForgetWindowQueryAnswers(MainWindow& window);

} // namespace kivet
