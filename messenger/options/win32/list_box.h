// The list boxes of the list pages: filled from a list's entries, in the list's own order.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kivet {

// Refills the list box with `entries` and selects `selected` (none for -1 or past the end).
void FillListBox(HWND list, const std::vector<std::string>& entries, long selected);
// The selected entry's position, -1 for none.
long SelectedIndex(HWND list);
// The text of the selected entry; "" when none is selected.
std::string SelectedText(HWND list);

} // namespace kivet
