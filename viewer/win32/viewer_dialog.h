// The viewer's only window: the page, Print... and Close.
#pragma once

#include <windows.h>

namespace kivet::viewer {

INT_PTR CALLBACK ViewerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace kivet::viewer
