// The "Sending non secure message" dialog (371): asked before a message goes out without
// enciphering to a computer that runs no secure messenger.
#pragma once

#include <windows.h>

#include "messenger/runtime/text_table.h"
#include "messenger/send/send_prompts.h"

namespace kivet {

// Modal, owned by owner. Yes gives sendPlain with the check box's state; No, the close box and a
// dialog that could not be created give no consent.
NonSecureChoice AskSendNonSecure(HINSTANCE instance, HWND owner, const TextTable& texts);

} // namespace kivet
