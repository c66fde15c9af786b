// The names menu ("SendTree") opened from the sender's link in the header.
#pragma once

#include <windows.h>

#include "messenger/mainwindow/win32/main_window.h"

namespace kivet {

void ShowSenderMenu(MainWindow& window);

} // namespace kivet
