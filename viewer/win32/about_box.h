// The About box opened from the viewer's system menu.
#pragma once

#include <windows.h>

namespace kivet::viewer {

void ShowAboutBox(HWND owner);

} // namespace kivet::viewer
