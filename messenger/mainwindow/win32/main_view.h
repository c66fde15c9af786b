// The main window's controls: toolbar, header, date line, message text, separator, status bar
// and its tooltips; their layout and what they show of the message store.
#pragma once

#include <windows.h>

#include "messenger/mainwindow/arrival_alerts.h"
#include "messenger/store/message_store.h"

namespace kivet {

void CreateMainControls(HWND mainDialog);
void DestroyMainControls(HWND mainDialog);
// Lays the controls out for the window's current size.
void LayoutMainControls(HWND mainDialog);
// Moves in the store and shows the current record, the counters and the command states.
void RefreshView(HWND mainDialog, Direction direction);
// Sets the enabled states of the commands in both menus and on the toolbar.
void UpdateCommandStates(HWND mainDialog);
// The program state the arrival alerts depend on.
AlertState CurrentAlertState(HWND mainDialog);
// The new-message notification (beep, sound, pop-up, jump) followed by a refresh.
void NotifyNewMessage(HWND mainDialog);
// The tooltip text of a toolbar button.
const char* ToolbarTip(int command);
// The message text control (for links and focus).
HWND MessageTextControl();
HWND HeaderControl();

} // namespace kivet
