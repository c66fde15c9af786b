// What the sending code works with, made from the program's objects: one press of Send in the
// send dialog, and the send mode of the command line.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "messenger/app/application.h"
#include "messenger/send/send_dialog_link.h"
#include "messenger/send/send_services.h"

namespace kivet {

// The sending thread for one request, its boxes owned by the send dialog; its exit code.
int RunSendOperation(Application& app, const SendRequest& request, SendDialogLink& link, HWND sendDialog);

// "/s NAME TEXT": the text to each recipient, silently.
void RunCommandLineSend(Application& app, const std::vector<std::string>& recipients, const std::string& text);

} // namespace kivet
