// Brings the running program in line with its settings: window order, shell integration, menus,
// the lists and the hotkey.
#pragma once

#include "messenger/app/application.h"

namespace kivet {

void ApplySettings(Application& app);
// Registers or unregisters hotkey 900 (Ctrl+Alt + the stored letter) according to UseHotkey.
void ApplyHotkey(Application& app);

} // namespace kivet
