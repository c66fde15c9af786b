// The "Add to list" dialog: one name for a list, typed in the list's entry form.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "messenger/lists/list_entry.h"

namespace kivet {

// What was typed (the box takes the form's number of characters and upper-cases where the form
// says so), or nothing when the dialog was cancelled.
std::optional<std::string> AskListName(HWND owner, ListKind form);

} // namespace kivet
