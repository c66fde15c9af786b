#include "messenger/send/win32/results_dialog.h"

#include <commctrl.h>

#include "messenger/resources/resource.h"

namespace kivet {
namespace {

struct ResultsDialogState {
    HINSTANCE instance;
    ResultsView view; // the rows in their current order
};

ResultsDialogState* StateOf(HWND dialog)
{
    return reinterpret_cast<ResultsDialogState*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
}

// One row at the end of the list: the user as the item, the computer as its second column.
void AddRow(HWND list, int index, const ResultRow& row)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<char*>(row.user.c_str());
    const LRESULT inserted = SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(row.computer.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, inserted, reinterpret_cast<LPARAM>(&item));
}

void FillRows(HWND list, const std::vector<ResultRow>& rows)
{
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < rows.size(); ++i)
        AddRow(list, static_cast<int>(i), rows[i]);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

// Two columns, each half of the list's width.
void AddColumns(HWND list, const ResultsView& view)
{
    RECT client{};
    GetClientRect(list, &client);
    const int half = (client.right - client.left) / 2;
    const std::string* titles[] = {&view.userColumn, &view.computerColumn};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = half;
        column.iSubItem = i;
        column.pszText = const_cast<char*>(titles[i]->c_str());
        SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
}

void SetDialogIcon(HWND dialog, HINSTANCE instance)
{
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_KIVET));
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

BOOL Results_OnInitDialog(HWND dialog, ResultsDialogState* state)
{
    SetWindowLongPtrA(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    SetWindowTextA(dialog, state->view.caption.c_str());
    SetDialogIcon(dialog, state->instance);
    SetDlgItemTextA(dialog, IDC_RESULTS_HEADLINE, state->view.headline.c_str());
    SetDlgItemTextA(dialog, IDC_RESULTS_FOOTER, state->view.footer.c_str());
    HWND list = GetDlgItem(dialog, IDC_RESULTS_LIST);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    AddColumns(list, state->view);
    FillRows(list, state->view.rows);
    return TRUE;
}

void Results_OnColumnClick(HWND dialog, int column)
{
    ResultsDialogState* state = StateOf(dialog);
    if (state == nullptr || (column != 0 && column != 1)) return;
    SortResultRows(state->view.rows, column == 0 ? ResultColumn::User : ResultColumn::Computer);
    FillRows(GetDlgItem(dialog, IDC_RESULTS_LIST), state->view.rows);
}

BOOL Results_OnNotify(HWND dialog, const NMHDR* header)
{
    if (header->idFrom != IDC_RESULTS_LIST || header->code != LVN_COLUMNCLICK) return FALSE;
    Results_OnColumnClick(dialog, reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem);
    return TRUE;
}

BOOL Results_OnCommand(HWND dialog, int id)
{
    if (id != IDOK && id != IDCANCEL) return FALSE;
    EndDialog(dialog, id);
    return TRUE;
}

INT_PTR CALLBACK ResultsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return Results_OnInitDialog(dialog, reinterpret_cast<ResultsDialogState*>(lParam));
    case WM_NOTIFY: return Results_OnNotify(dialog, reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND: return Results_OnCommand(dialog, LOWORD(wParam));
    }
    return FALSE;
}

} // namespace

INT_PTR ShowResultsDialog(HINSTANCE instance, HWND owner, const ResultsView& view)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    ResultsDialogState state{instance, view};
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SEND_RESULTS), owner, ResultsDialogProc,
                           reinterpret_cast<LPARAM>(&state));
}

} // namespace kivet
