// The About box (dialog 100).
#pragma once

#include <windows.h>

namespace kivet {

void ShowAboutDialog(HINSTANCE instance, HWND owner);

} // namespace kivet
