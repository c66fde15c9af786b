// A computer dragged from the network folder onto the main window arrives as a dropped path of the
// form "\\NAME" (or "\\NAME\"): a name to write to rather than a file to transfer.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kivet {

// The computer name of such a path; nothing for a file or folder path, a share ("\\NAME\SHARE"),
// or a name that could not be a computer name (empty, longer than 15 characters, or one that
// would leave a mailslot path).
std::optional<std::string> DroppedComputerName(std::string_view path);

} // namespace kivet
