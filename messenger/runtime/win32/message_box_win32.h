// Shows a message box described by the program's logic.
#pragma once

#include <windows.h>

#include "messenger/runtime/message_box.h"

namespace kivet {

UINT MessageBoxFlags(const BoxSpec& box);
BoxAnswer ShowMessageBox(HWND owner, const BoxSpec& box);

} // namespace kivet
