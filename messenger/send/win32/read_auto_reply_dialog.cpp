#include "messenger/send/win32/read_auto_reply_dialog.h"

#include "messenger/resources/resource.h"
#include "messenger/runtime/text_table.h"

namespace kivet {
namespace {

struct Shown {
    const std::string* name;
    const std::string* message;
};

BOOL ReadReply_OnInitDialog(HWND hDlg, const Shown& shown)
{
    SetWindowTextA(hDlg, Text(IDS_READ_AUTO_REPLY_CAPTION));
    SetDlgItemTextA(hDlg, IDC_READ_REPLY_NAME, shown.name->c_str());
    SetDlgItemTextA(hDlg, IDC_READ_REPLY_LABEL, Text(IDS_AUTO_REPLY_MESSAGE_LABEL));
    SetDlgItemTextA(hDlg, IDC_READ_REPLY_TEXT, shown.message->c_str());
    return TRUE;
}

INT_PTR CALLBACK ReadReplyProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: return ReadReply_OnInitDialog(hDlg, *reinterpret_cast<const Shown*>(lParam));
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(hDlg, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

} // namespace

void ShowAutoReplyMessage(HINSTANCE instance, HWND owner, const std::string& name, const std::string& message)
{
    Shown shown{&name, &message};
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_READ_AUTO_REPLY), owner, ReadReplyProc,
                    reinterpret_cast<LPARAM>(&shown));
}

} // namespace kivet
