#include "messenger/options/win32/auto_reply_editor.h"

#include <windowsx.h>

#include "messenger/options/control_texts.h"
#include "messenger/options/win32/page_frame.h"
#include "messenger/resources/resource.h"

namespace kivet {
namespace {

constexpr int kDescriptionChars = 19;
constexpr int kMessageChars = 254;

struct EditorRequest {
    const std::string& description;
    const std::string& message;
    const std::function<bool(const std::string&, const std::string&)>& save;
};

EditorRequest* RequestOf(HWND dialog)
{
    return reinterpret_cast<EditorRequest*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

std::string TextOf(HWND dialog, int control, int chars)
{
    std::string text(static_cast<std::size_t>(chars) + 1, '\0');
    int n = GetDlgItemTextA(dialog, control, &text[0], chars + 1);
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return text;
}

void EnableOkForDescription(HWND dialog)
{
    EnableWindow(GetDlgItem(dialog, IDOK), GetWindowTextLengthA(GetDlgItem(dialog, IDC_EDIT_REPLY_DESCRIPTION)) > 0);
}

BOOL Editor_OnInitDialog(HWND dialog, EditorRequest* request)
{
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(request));
    SetControlTexts(dialog, EditAutoReplyTexts());
    HWND description = GetDlgItem(dialog, IDC_EDIT_REPLY_DESCRIPTION);
    Edit_LimitText(description, kDescriptionChars);
    Edit_LimitText(GetDlgItem(dialog, IDC_EDIT_REPLY_MESSAGE), kMessageChars);
    SetWindowTextA(description, request->description.substr(0, kDescriptionChars).c_str());
    SetDlgItemTextA(dialog, IDC_EDIT_REPLY_MESSAGE, request->message.substr(0, kMessageChars).c_str());
    EnableOkForDescription(dialog);
    SetFocus(description);
    return FALSE; // the focus is set
}

// A description another record already has is refused: the dialog stays open on it.
void Editor_OnOk(HWND dialog)
{
    EditorRequest* request = RequestOf(dialog);
    std::string description = TextOf(dialog, IDC_EDIT_REPLY_DESCRIPTION, kDescriptionChars);
    std::string message = TextOf(dialog, IDC_EDIT_REPLY_MESSAGE, kMessageChars);
    if (request->save(description, message)) {
        EndDialog(dialog, IDOK);
        return;
    }
    MessageBeep(MB_ICONEXCLAMATION);
    HWND edit = GetDlgItem(dialog, IDC_EDIT_REPLY_DESCRIPTION);
    SetFocus(edit);
    Edit_SetSel(edit, 0, -1);
}

void Editor_OnCommand(HWND dialog, WORD id, WORD code)
{
    switch (id) {
    case IDOK: Editor_OnOk(dialog); break;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
    case IDC_EDIT_REPLY_DESCRIPTION:
        if (code == EN_CHANGE) EnableOkForDescription(dialog);
        break;
    }
}

INT_PTR CALLBACK EditorProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: return Editor_OnInitDialog(dialog, reinterpret_cast<EditorRequest*>(lParam));
    case WM_COMMAND: Editor_OnCommand(dialog, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    }
    return FALSE;
}

} // namespace

bool EditAutoReply(HWND owner, const std::string& description, const std::string& message,
                   const std::function<bool(const std::string& description, const std::string& message)>& save)
{
    EditorRequest request{description, message, save};
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_EDIT_AUTO_REPLY), owner, EditorProc,
                           reinterpret_cast<LPARAM>(&request)) == IDOK;
}

} // namespace kivet
