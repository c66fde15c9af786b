// The names menu ("SendTree") opened from the sender's link in the header.
#pragma once

#include <windows.h>

namespace kivet {

void ShowSenderMenu(HWND mainDialog);

} // namespace kivet
