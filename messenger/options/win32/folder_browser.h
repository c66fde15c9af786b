// The system's folder browser.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace kivet {

// Asks for a folder with `title` above the tree, starting at `start` when it exists. The chosen
// file-system folder (at most MAX_PATH - 1 characters), or nothing when cancelled or when the
// choice is not a folder on disk.
std::optional<std::string> BrowseForFolder(HWND owner, const char* title, const std::string& start);

} // namespace kivet
