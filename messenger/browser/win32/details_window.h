// The Details window (dialog 224): what a computer reports about itself, for the sender of a
// message or a name of the send dialog's tree.
#pragma once

#include <windows.h>

#include <functional>

#include "common/text_codec.h"
#include "messenger/browser/name_resolution.h"

namespace kivet {

// F1 in the window: the caller opens the Details window's help topic.
using HelpRequest = std::function<void()>;

// Shows the record's five values (an empty value as "N/A") and returns when the window is
// closed with OK.
void ShowDetailsWindow(HWND owner, const ResolutionRecord& record, const TextCodec& codec, HelpRequest onHelp);

} // namespace kivet
