#include "messenger/mainwindow/win32/window_queries.h"

#include "messenger/mainwindow/win32/tray_icon.h"
#include "messenger/runtime/win32/program_state.h"

namespace kivet {
namespace {

LRESULT MenuItemState(HWND mainDialog, WPARAM command, LPARAM which)
{
    HMENU menu =
        which == 0 ? GetMenu(mainDialog) : (Program().popupMenus ? GetSubMenu(Program().popupMenus, 0) : nullptr);
    if (!menu) return -1;
    return static_cast<LRESULT>(static_cast<int>(GetMenuState(menu, static_cast<UINT>(command), MF_BYCOMMAND)));
}

LRESULT TrayState(WPARAM what)
{
    if (what == 0) return static_cast<LRESULT>(ShownTrayIcon());
    return static_cast<LRESULT>(GlobalAddAtomA(ShownTrayTooltip()));
}

} // namespace

bool AnswerWindowQuery(HWND mainDialog, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& answer)
{
    static const UINT menuState = RegisterWindowMessageA("KivetSecureMessenger.MenuState");
    static const UINT trayState = RegisterWindowMessageA("KivetSecureMessenger.TrayState");
    static const UINT treeImages = RegisterWindowMessageA("KivetSecureMessenger.TreeImages");
    if (msg == 0) return false;
    if (msg == menuState)
        answer = MenuItemState(mainDialog, wParam, lParam);
    else if (msg == trayState)
        answer = TrayState(wParam);
    else if (msg == treeImages)
        answer = Program().treeImages ? ImageList_GetImageCount(Program().treeImages) : 0;
    else
        return false;
    return true;
}

} // namespace kivet
