#include "messenger/mainwindow/win32/window_queries.h"

#include "messenger/mainwindow/win32/tray_icon.h"

namespace kivet {
namespace {

LRESULT MenuItemState(const MainWindow& window, WPARAM command, LPARAM which)
{
    HMENU menu = which == 0 ? GetMenu(window.dialog) : TrayMenu(window);
    if (!menu) return -1;
    return static_cast<LRESULT>(static_cast<int>(GetMenuState(menu, static_cast<UINT>(command), MF_BYCOMMAND)));
}

// One atom at a time: the new answer takes the place of the last, so no number of questions
// leaves atoms behind in the system's table.
LRESULT TrayState(MainWindow& window, WPARAM what)
{
    TrayIconState& tray = window.tray;
    if (what == 0) return static_cast<LRESULT>(tray.shownIcon);
    ForgetWindowQueryAnswers(window);
    tray.tooltipAtom = GlobalAddAtomA(tray.shownTooltip);
    return static_cast<LRESULT>(tray.tooltipAtom);
}

} // namespace

bool AnswerWindowQuery(MainWindow& window, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& answer)
{
    static const UINT menuState = RegisterWindowMessageA("KivetSecureMessenger.MenuState");
    static const UINT trayState = RegisterWindowMessageA("KivetSecureMessenger.TrayState");
    static const UINT treeImages = RegisterWindowMessageA("KivetSecureMessenger.TreeImages");
    if (msg == 0) return false;
    HIMAGELIST images = window.resources.treeImages;
    if (msg == menuState)
        answer = MenuItemState(window, wParam, lParam);
    else if (msg == trayState)
        answer = TrayState(window, wParam);
    else if (msg == treeImages)
        answer = images ? ImageList_GetImageCount(images) : 0;
    else
        return false;
    return true;
}

void ForgetWindowQueryAnswers(MainWindow& window)
{
    if (window.tray.tooltipAtom) GlobalDeleteAtom(window.tray.tooltipAtom);
    window.tray.tooltipAtom = 0;
}

} // namespace kivet
