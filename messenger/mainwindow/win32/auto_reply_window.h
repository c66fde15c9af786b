// Auto-Reply mode as the main window shows it: its caption, the check marks, the auto-reply poll,
// the tray icon and the paused new-message alerts; and the command that switches it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace kivet {

void EnterAutoReplyMode(HWND mainDialog, const std::string& text);
void LeaveAutoReplyMode(HWND mainDialog);

// The menu command, the toolbar button and the tray item: leaves the mode when it is on,
// otherwise asks for the text, starting from the current one.
void ToggleAutoReplyMode(HWND mainDialog);
// An Auto-Reply chosen from the toolbar's drop-down: asks for the text, starting from its message.
void ChooseAutoReply(HWND mainDialog, std::size_t index);

} // namespace kivet
