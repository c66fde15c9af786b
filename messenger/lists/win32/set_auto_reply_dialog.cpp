#include "messenger/lists/win32/set_auto_reply_dialog.h"

#include <windowsx.h>

#include "common/fixed_text.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/text_table.h"

namespace kivet {
namespace {

// The box takes 255 characters; Auto-Reply mode keeps the first 254 of them.
constexpr int kTextLimit = 255;
constexpr UINT kFirstChoice = 100;

struct SetAutoReplyRequest {
    const std::string* initial;
    const std::vector<AutoReply>* replies;
    std::string text;
};

SetAutoReplyRequest* RequestOf(HWND dialog)
{
    return reinterpret_cast<SetAutoReplyRequest*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void EnableOkForText(HWND dialog)
{
    EnableWindow(GetDlgItem(dialog, IDOK), GetWindowTextLengthA(GetDlgItem(dialog, IDC_AUTO_REPLY_TEXT)) > 0);
}

BOOL SetAutoReply_OnInitDialog(HWND dialog, SetAutoReplyRequest* request)
{
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(request));
    SetWindowTextA(dialog, Text(IDS_SET_AUTO_REPLY_CAPTION));
    SetDlgItemTextA(dialog, IDC_AUTO_REPLY_PROMPT, Text(IDS_SET_AUTO_REPLY_PROMPT));
    HWND edit = GetDlgItem(dialog, IDC_AUTO_REPLY_TEXT);
    Edit_LimitText(edit, kTextLimit);
    SetWindowTextA(edit, request->initial->substr(0, kTextLimit).c_str());
    EnableWindow(GetDlgItem(dialog, IDC_AUTO_REPLY_CHOOSE), !request->replies->empty());
    EnableOkForText(dialog);
    SetFocus(edit);
    Edit_SetSel(edit, 0, -1);
    return FALSE; // the focus is set
}

// A menu of the Auto-Replies' descriptions under the button; the chosen message fills the box.
void SetAutoReply_OnChoose(HWND dialog)
{
    const std::vector<AutoReply>& replies = *RequestOf(dialog)->replies;
    HMENU menu = CreatePopupMenu();
    for (size_t i = 0; i < replies.size(); ++i)
        AppendMenuA(menu, MF_STRING, kFirstChoice + i, std::string(FieldText(replies[i].description)).c_str());
    RECT button;
    GetWindowRect(GetDlgItem(dialog, IDC_AUTO_REPLY_CHOOSE), &button);
    UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, button.left,
                                                   button.bottom, 0, dialog, nullptr));
    DestroyMenu(menu);
    if (chosen < kFirstChoice || chosen - kFirstChoice >= replies.size()) return;
    SetDlgItemTextA(dialog, IDC_AUTO_REPLY_TEXT,
                    std::string(FieldText(replies[chosen - kFirstChoice].message)).c_str());
}

void SetAutoReply_OnOk(HWND dialog)
{
    char text[kTextLimit + 1] = {};
    GetDlgItemTextA(dialog, IDC_AUTO_REPLY_TEXT, text, sizeof text);
    RequestOf(dialog)->text = text;
    EndDialog(dialog, IDOK);
}

void SetAutoReply_OnCommand(HWND dialog, WORD id, WORD code)
{
    switch (id) {
    case IDOK: SetAutoReply_OnOk(dialog); break;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
    case IDC_AUTO_REPLY_CHOOSE: SetAutoReply_OnChoose(dialog); break;
    case IDC_AUTO_REPLY_TEXT:
        if (code == EN_CHANGE) EnableOkForText(dialog);
        break;
    }
}

INT_PTR CALLBACK SetAutoReplyProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: return SetAutoReply_OnInitDialog(dialog, reinterpret_cast<SetAutoReplyRequest*>(lParam));
    case WM_COMMAND: SetAutoReply_OnCommand(dialog, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    }
    return FALSE;
}

} // namespace

std::optional<std::string> AskAutoReplyText(HINSTANCE instance, HWND owner, const std::string& initial,
                                            const std::vector<AutoReply>& replies)
{
    SetAutoReplyRequest request{&initial, &replies, {}};
    INT_PTR answer = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SET_AUTO_REPLY), owner, SetAutoReplyProc,
                                     reinterpret_cast<LPARAM>(&request));
    if (answer != IDOK) return std::nullopt;
    return request.text;
}

} // namespace kivet
