#include "messenger/mainwindow/win32/window_queries.h"

#include "messenger/mainwindow/win32/tray_icon.h"
#include "messenger/runtime/win32/program_state.h"

namespace kivet {
namespace {

UINT MenuStateQueryMessage()
{
    static const UINT message = RegisterWindowMessageA("KivetSecureMessenger.MenuState");
    return message;
}

UINT TrayStateQueryMessage()
{
    static const UINT message = RegisterWindowMessageA("KivetSecureMessenger.TrayState");
    return message;
}

UINT TreeImagesQueryMessage()
{
    static const UINT message = RegisterWindowMessageA("KivetSecureMessenger.TreeImages");
    return message;
}

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
    if (msg == 0) return false;
    if (msg == MenuStateQueryMessage()) {
        answer = MenuItemState(mainDialog, wParam, lParam);
        return true;
    }
    if (msg == TrayStateQueryMessage()) {
        answer = TrayState(wParam);
        return true;
    }
    if (msg == TreeImagesQueryMessage()) {
        answer = Program().treeImages ? ImageList_GetImageCount(Program().treeImages) : 0;
        return true;
    }
    return false;
}

} // namespace kivet
