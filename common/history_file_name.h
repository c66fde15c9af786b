// The name of a user's history file inside the "History" folder: the logon name followed by
// ".html", or "History.html" when the system gave no name. The messenger writes the file and the
// viewer opens it, so both build the name here.
#pragma once

#include <string>
#include <string_view>

namespace kivet {

// The longest logon name kept in a file name; longer names are cut.
constexpr std::size_t kHistoryNameMaxChars = 250;

// Always a plain file name: characters that separate folders or are not allowed in file names
// become '_', and a name the system reserves for a device ("CON", "LPT1", ...) gets a leading '_',
// so no logon name can lead the file out of the History folder.
std::string HistoryFileNameFor(std::string_view logonName);

} // namespace kivet
