// Which addresses found in a received message may be opened with a click. The text comes from
// the network: only web, mail and news addresses are opened, never a file, a share or a program.
#pragma once

#include <string_view>

namespace kivet {

// True for "http://", "https://", "ftp://", "mailto:", "news:" and "www." addresses (any case)
// without control characters.
bool IsOpenableLink(std::string_view address);

} // namespace kivet
