#include "messenger/mainwindow/win32/sender_menu.h"

#include <optional>
#include <string>

#include "common/fixed_text.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/win32/language_menus.h"

namespace kivet {
namespace {

// Reading an Auto-Reply message and refreshing belong to the send dialog's names tree, and the
// transfer to the transfer component's windows: greyed here.
constexpr UINT kGreyed[] = {IDM_TREE_READ_AUTO_REPLY, IDM_TREE_REFRESH, IDM_TREE_TRANSFER};
constexpr UINT kEnabled[] = {IDM_TREE_ADD_QUICK_LIST, IDM_TREE_ADD_IGNORE_LIST, IDM_TREE_DETAILS, IDM_TREE_BROWSE};

// The names menu's commands and the main menu's commands they stand for.
WORD MainCommandOf(UINT treeCommand)
{
    switch (treeCommand) {
    case IDM_TREE_ADD_QUICK_LIST: return IDM_ADD_QUICK_LIST;
    case IDM_TREE_ADD_IGNORE_LIST: return IDM_ADD_IGNORE_LIST;
    case IDM_TREE_DETAILS: return IDM_MESSAGE_DETAILS;
    case IDM_TREE_BROWSE: return IDM_BROWSE_COMPUTER;
    }
    return 0;
}

} // namespace

void ShowSenderMenu(MainWindow& window)
{
    HWND mainDialog = window.dialog;
    HMENU popups = LanguagePopupMenus();
    HMENU names = popups ? GetSubMenu(popups, 1) : nullptr;
    std::optional<MessageRecord> record = window.store.CurrentRecord();
    if (!names || !record) return;
    // The command applies to the sender the menu was opened for, even if a message arriving while
    // it is open changes the current one.
    const std::string sender(FieldText(record->sender));
    for (UINT id : kGreyed)
        EnableMenuItem(names, id, MF_BYCOMMAND | MF_GRAYED);
    for (UINT id : kEnabled)
        EnableMenuItem(names, id, MF_BYCOMMAND | MF_ENABLED);
    SetMenuDefaultItem(names, IDM_TREE_DETAILS, FALSE);
    POINT at;
    GetCursorPos(&at);
    UINT chosen = static_cast<UINT>(
        TrackPopupMenu(names, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, mainDialog, nullptr));
    PostMessageA(mainDialog, WM_NULL, 0, 0);
    if (WORD command = MainCommandOf(chosen)) window.host.RunSenderCommand(mainDialog, command, sender);
}

} // namespace kivet
