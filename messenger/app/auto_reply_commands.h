// Auto-Reply mode as the main window shows it: its caption, the check marks, the auto-reply poll,
// the tray icon and the paused new-message alerts; and the commands that switch it.
#pragma once

#include <cstddef>
#include <string>

#include "messenger/app/application.h"

namespace kivet {

void EnterAutoReplyMode(Application& app, const std::string& text);
void LeaveAutoReplyMode(Application& app);

// The menu command, the toolbar button and the tray item: leaves the mode when it is on,
// otherwise asks for the text, starting from the current one.
void ToggleAutoReplyMode(Application& app);
// An Auto-Reply chosen from the toolbar's drop-down: asks for the text, starting from its message.
void ChooseAutoReply(Application& app, std::size_t index);

} // namespace kivet
