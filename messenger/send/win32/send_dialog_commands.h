// The send dialog's commands: Send, the text commands (Paste Quick Answer, Insert emotion) and the
// commands on the selected name of the tree, with the tree's menu and the buttons' states.
#pragma once

#include <windows.h>

#include <vector>

#include "messenger/send/win32/send_dialog_state.h"

namespace kivet {

// The checks (Auto-Reply mode, recipient, text), then the sending thread. Nothing while a send runs.
void SendCommand(SendDialogState& state);
bool SendRunning(const SendDialogState& state);

// The Quick Answers menu under the point (screen coordinates); a choice replaces the text.
void PasteQuickAnswerCommand(SendDialogState& state, POINT under);
// The emoticon picker beside the point; the choice goes in at the caret.
void InsertEmotionCommand(SendDialogState& state, POINT beside);

// Details, Browse computer, Read Auto-Reply message, Add to Quick List / Ignore List, Refresh;
// false for a command that is not one of the tree's.
bool RunTreeCommand(SendDialogState& state, WORD command);
// The "SendTree" menu at the point, for the selected name.
void ShowTreeMenu(SendDialogState& state, POINT at);
// The tree's buttons enabled by the selected item.
void UpdateTreeButtons(SendDialogState& state);

// Rebuilds the names tree from the lists and the last scan's names (or the names a scan just
// reported).
void RebuildNamesTree(SendDialogState& state, const std::vector<TreeItem>* scanned = nullptr);
// Fills the recipient box from the Quick List again; the typed text stays.
void RefillRecipientBox(SendDialogState& state);

} // namespace kivet
