// The "Set Auto-Reply message" dialog: the text answered to every sender while Auto-Reply mode is on.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "messenger/lists/auto_replies.h"

namespace kivet {

// Opens the dialog with `initial` in its edit box; "&Choose..." offers the stored Auto-Replies.
// The confirmed text (at most 255 characters), or nothing when the dialog was cancelled.
std::optional<std::string> AskAutoReplyText(HINSTANCE instance, HWND owner, const std::string& initial,
                                            const std::vector<AutoReply>& replies);

} // namespace kivet
