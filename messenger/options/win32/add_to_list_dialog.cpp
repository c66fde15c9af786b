#include "messenger/options/win32/add_to_list_dialog.h"

#include <windowsx.h>

#include "messenger/options/control_texts.h"
#include "messenger/options/win32/page_frame.h"
#include "messenger/resources/resource.h"

namespace kivet {
namespace {

struct AddToListRequest {
    EntryForm form;
    std::string typed;
};

AddToListRequest* RequestOf(HWND dialog)
{
    return reinterpret_cast<AddToListRequest*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

BOOL AddToList_OnInitDialog(HWND dialog, AddToListRequest* request)
{
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(request));
    SetControlTexts(dialog, AddToListTexts());
    HWND edit = GetDlgItem(dialog, IDC_ADD_NAME);
    Edit_LimitText(edit, request->form.inputLimit);
    if (request->form.upperCase) SetWindowLongPtrA(edit, GWL_STYLE, GetWindowLongPtrA(edit, GWL_STYLE) | ES_UPPERCASE);
    SetFocus(edit);
    return FALSE; // the focus is set
}

void AddToList_OnOk(HWND dialog)
{
    AddToListRequest* request = RequestOf(dialog);
    std::string typed(request->form.inputLimit + 1, '\0');
    int n = GetDlgItemTextA(dialog, IDC_ADD_NAME, &typed[0], static_cast<int>(typed.size()));
    typed.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    request->typed = typed;
    EndDialog(dialog, IDOK);
}

void AddToList_OnCommand(HWND dialog, WORD id)
{
    switch (id) {
    case IDOK: AddToList_OnOk(dialog); break;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
    }
}

INT_PTR CALLBACK AddToListProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: return AddToList_OnInitDialog(dialog, reinterpret_cast<AddToListRequest*>(lParam));
    case WM_COMMAND: AddToList_OnCommand(dialog, LOWORD(wParam)); return TRUE;
    }
    return FALSE;
}

} // namespace

std::optional<std::string> AskListName(HWND owner, ListKind form)
{
    AddToListRequest request{FormOf(form), {}};
    INT_PTR answer = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ADD_TO_LIST), owner,
                                     AddToListProc, reinterpret_cast<LPARAM>(&request));
    if (answer != IDOK) return std::nullopt;
    return request.typed;
}

} // namespace kivet
