// The results dialog (172): who received the message and why the others did not, in a two-column
// list that a click on a column header sorts.
#pragma once

#include <windows.h>

#include "messenger/send/results_view.h"

namespace kivet {

// Modal, owned by owner; returns when the user pressed OK or Cancel (or -1 when the dialog could
// not be created).
INT_PTR ShowResultsDialog(HINSTANCE instance, HWND owner, const ResultsView& view);

} // namespace kivet
