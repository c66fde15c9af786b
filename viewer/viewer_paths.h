// Which page the history viewer shows: the current user's history file in the "History" folder
// beside the viewer, or that folder's "empty.html" when the user has no history yet.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace kivet::viewer {

// The longest path the viewer opens and remembers for printing, in characters.
constexpr std::size_t kMaxPagePath = 259;

// The module path up to and including its last backslash ("" when it has none).
std::string ModuleFolder(std::string_view modulePath);
// folder + "History\" + the logon name's history file name (the name the messenger writes).
std::string HistoryPagePath(std::string_view folder, std::string_view logonName);
// folder + "History\empty.html".
std::string FallbackPagePath(std::string_view folder);
// The history page when it is short enough and canRead says it opens, else the fallback page.
std::string ChoosePage(std::string_view modulePath, std::string_view logonName,
                       const std::function<bool(const std::string&)>& canRead);
// The folder of a page, for the shell's working directory when printing it.
std::string PageFolder(std::string_view pagePath);

} // namespace kivet::viewer
