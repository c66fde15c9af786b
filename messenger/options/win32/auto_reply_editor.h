// The "Create/Edit Auto-Reply message" dialog.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace kivet {

// Opens the dialog with a description (at most 19 characters) and a message (at most 254, all
// that a stored record keeps). OK is enabled only while the description is not empty; on OK
// `save` is asked to keep the record, and when it refuses (another record has that description)
// the dialog stays open. True when a record was saved.
bool EditAutoReply(HWND owner, const std::string& description, const std::string& message,
                   const std::function<bool(const std::string& description, const std::string& message)>& save);

} // namespace kivet
