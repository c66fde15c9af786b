// The emoticon picker of the send dialog: a small popup with the grid of all 42 pictures.
#pragma once

#include <windows.h>

#include "messenger/mainwindow/win32/rich_emoticons.h"

namespace kivet {

// Dialog 362 and the grid bitmap 364 it shows, both in the program's resources.
constexpr int kPickerDialog = 362;
constexpr int kPickerGridBitmap = 364;
constexpr int kPickerWidth = 184;
constexpr int kPickerHeight = 214;

// Runs the picker modally with its top-left corner at anchor (screen coordinates). Returns the
// entry clicked (1..42), or 0 for a click outside the grid, Esc, Enter or when the picker loses
// the activation.
int PickEmoticon(HWND owner, POINT anchor, const EmoticonBitmaps& pictures);

} // namespace kivet
