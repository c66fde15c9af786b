// The one entry point through which the main window opens the send dialog.
#pragma once

#include <windows.h>

#include "messenger/send/send_hand_over.h"

namespace kivet {

void OpenSendDialog(HWND owner, const SendHandOver& handOver);

} // namespace kivet
