// The launcher thread of the send dialog's Send button: it reads the recipients and the text,
// disables Send, shows the application-starting cursor over the dialog's controls, runs the
// sending thread to its end, then gives the cursors back, enables Send and closes the dialog or
// hands it back for the next message.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "messenger/send/send_dialog_link.h"
#include "messenger/send/send_services.h"

namespace kivet {

// What the sending thread runs: the request read from the dialog in, the thread's exit code out.
// The link is the one to give the sending code (RunSendingThread's SendServices::dialog).
using SendJob = std::function<int(const SendRequest& request, SendDialogLink& link)>;

struct SendLaunch {
    HWND dialog = nullptr; // the send dialog: recipient box 1005, message text 1000, Send 1004
    SendSettings settings;
    // The message text with emoticons turned back into their codes; when empty, the text of
    // control 1000 (at most 4999 characters).
    std::function<std::string(HWND dialog)> readText;
    std::function<void()> updateStatusBar;
    SendJob job;
};

// The recipient box's text, at most 255 characters.
std::string ReadRecipients(HWND dialog);
// Control 1000's text, at most 4999 characters.
std::string ReadMessageText(HWND dialog);

// Starts the launcher thread and returns its handle, which the caller closes; nullptr when the
// thread could not be started (nothing is sent then).
HANDLE StartSendLauncher(SendLaunch launch);

} // namespace kivet
