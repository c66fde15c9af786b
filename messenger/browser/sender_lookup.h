// Looking up the sender of a received message: for the Details window and for browsing the
// sender's computer.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "messenger/browser/name_resolution.h"

namespace kivet {

// The sender as a name to look up: cut at its first blank, at most 15 characters.
std::string SenderLookupName(std::string_view sender);

// Resolves the sender's name; when the network does not know it, asks the computer the scan
// tables give for it. False when neither finds it (nothing is shown then).
bool LookUpSender(NetworkDirectory& directory, std::string_view sender, ResolutionRecord& record);

// "\\COMPUTER" for the shell, when the name is a plain computer name: 1 to 15 characters, none
// of them a control character, a blank or one of \ / : * ? " < > | %, and not starting with a
// dot. A name from the network is never allowed to become a path to a share or a file.
std::optional<std::string> BrowsePathFor(std::string_view computer);

} // namespace kivet
