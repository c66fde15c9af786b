// The main window's commands on the current sender: "Message details" (F3) and "Browse
// computer" (Ctrl+B). Also used by the send dialog's tree for a selected name.
#pragma once

#include <windows.h>

#include <string_view>

#include "common/text_codec.h"
#include "messenger/browser/name_resolution.h"
#include "messenger/browser/win32/details_window.h"

namespace kivet {

class ActionWriter;

// Looks the sender up (its name cut at the first blank) with the wait cursor showing, and opens
// the Details window for what was found; a name nobody answers for opens nothing. False then.
bool ShowSenderDetails(HWND owner, NetworkDirectory& directory, std::string_view sender, const TextCodec& codec,
                       ActionWriter& log, HelpRequest onHelp);

// Looks the sender up and opens its computer ("\\COMPUTER") with the shell's "open" verb. False
// when the sender is not found or its computer's name is not a plain computer name.
bool BrowseSenderComputer(HWND owner, NetworkDirectory& directory, std::string_view sender);

// Opens "\\COMPUTER" with the shell's "open" verb; false for a name that is not a plain computer
// name or when the shell refuses.
bool OpenComputerShares(HWND owner, std::string_view computer);

} // namespace kivet
