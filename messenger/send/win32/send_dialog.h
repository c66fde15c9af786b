// The send dialog (template 129): the recipient box with the Quick List, the names tree, the
// message text with emoticons and Quick Answers, the status bar with the scan's figures, and Send.
#pragma once

#include <windows.h>

#include "messenger/send/send_hand_over.h"
#include "messenger/send/win32/send_dialog_host.h"

namespace kivet {

struct SendDialogOpening {
    const SendHandOver* handOver = nullptr; // none: empty recipient and text
    bool topmost = false;                   // opened for a name a later start handed over
};

// Runs the dialog modally over owner and returns when it is closed.
void RunSendDialog(HWND owner, SendDialogHost& host, const SendDialogOpening& opening);

} // namespace kivet
