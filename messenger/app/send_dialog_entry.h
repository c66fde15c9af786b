// Where the main window opens the send dialog: New message, Reply, a Quick Answer, the name a
// later start handed over, and computers dropped on the window.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "messenger/app/application.h"
#include "messenger/send/send_hand_over.h"

namespace kivet {

// Runs the send dialog owned by the frame window (topmost for a name a later start handed over);
// afterwards the main window is brought back to the top of the Z order.
void OpenSendDialog(Application& app, const SendHandOver* handOver, bool topmost = false);

void OpenNewMessage(Application& app);
// Addressed to the current message's sender, when there is a message.
void OpenReply(Application& app);
// Quick Answer `index` of the Reply drop-down: sent at once to the current sender with
// SilentAnswers on, otherwise opened in the dialog.
void RunQuickAnswer(Application& app, std::size_t index);
// The name of the registry value ContextMenu, read when message 834 came.
void OpenContextMenuSend(Application& app);
// Paths dropped on the main window: the first computer of the network folder among them is
// written to; files and folders go to the file transfer, which is not part of the program.
void OpenForDroppedPaths(Application& app, const std::vector<std::string>& paths);

} // namespace kivet
