// Brings the running program in line with its settings: window order, shell integration,
// menus and the hotkey.
#pragma once

#include <windows.h>

namespace kivet {

void ApplySettings(HWND mainDialog);
// Registers or unregisters hotkey 900 (Ctrl+Alt + the stored letter) according to UseHotkey.
void ApplyHotkey(HWND mainDialog);

} // namespace kivet
