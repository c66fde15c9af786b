// The names tree control of the send dialog, filled from the tree's model. Whether a heading is
// open is remembered for the rest of the run, so the tree opens again as the user left it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "messenger/send/names_tree.h"
#include "messenger/send/win32/send_dialog_state.h"

namespace kivet {

// Empties the control and inserts the headings and names.
void FillNamesTree(HWND tree, const std::vector<NamesTreeNode>& nodes);
// A heading was opened or closed: its folder picture follows and the state is remembered.
void OnNamesTreeExpanded(HWND tree, const NMTREEVIEWA& change);
// The item's value, state byte and text.
TreeSelection NamesTreeItem(HWND tree, HTREEITEM item);

} // namespace kivet
