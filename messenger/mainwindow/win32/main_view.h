// The main window's controls: toolbar, header, date line, message text, separator, status bar
// and its tooltips; their layout and what they show of the message store.
#pragma once

#include <windows.h>

#include "messenger/mainwindow/arrival_alerts.h"
#include "messenger/mainwindow/win32/main_window.h"

namespace kivet {

void CreateMainControls(MainWindow& window);
void DestroyMainControls(MainWindow& window);
// Lays the controls out for the window's current size.
void LayoutMainControls(MainWindow& window);
// Moves in the store and shows the current record, the counters and the command states.
void RefreshView(MainWindow& window, Direction direction);
// Sets the enabled states of the commands in both menus and on the toolbar.
void UpdateCommandStates(MainWindow& window);
// The program state the arrival alerts depend on.
AlertState CurrentAlertState(MainWindow& window);
// The new-message notification (beep, sound, pop-up, jump) followed by a refresh.
void NotifyNewMessage(MainWindow& window);
// The tooltip text of a toolbar button.
const char* ToolbarTip(int command);

} // namespace kivet
