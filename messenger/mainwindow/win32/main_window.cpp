#include "messenger/mainwindow/win32/main_window.h"

namespace kivet {

MainWindow& MainWindowOf(HWND mainDialog)
{
    return *reinterpret_cast<MainWindow*>(GetWindowLongPtrA(mainDialog, DWLP_USER));
}

} // namespace kivet
