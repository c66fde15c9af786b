#include "messenger/send/win32/non_secure_dialog.h"

#include "messenger/resources/resource.h"

namespace kivet {
namespace {

constexpr INT_PTR kAnsweredYes = 1;
constexpr INT_PTR kAnsweredNo = 2;

struct NonSecureDialogState {
    HINSTANCE instance;
    const TextTable& texts;
    bool doNotShowAgain = false;
};

NonSecureDialogState* StateOf(HWND dialog)
{
    return reinterpret_cast<NonSecureDialogState*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
}

// A language's text replaces the template's; an empty one leaves it.
void SetTextFromTable(HWND window, const TextTable& texts, uint32_t id)
{
    const char* text = texts.Text(id);
    if (window != nullptr && *text != '\0') SetWindowTextA(window, text);
}

BOOL NonSecure_OnInitDialog(HWND dialog, NonSecureDialogState* state)
{
    SetWindowLongPtrA(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    SetTextFromTable(dialog, state->texts, IDS_NON_SECURE_CAPTION);
    SetTextFromTable(GetDlgItem(dialog, IDC_NON_SECURE_QUESTION), state->texts, IDS_NON_SECURE_TEXT);
    SetTextFromTable(GetDlgItem(dialog, IDC_NON_SECURE_DO_NOT_SHOW), state->texts, IDS_DO_NOT_SHOW_AGAIN);
    HICON icon = LoadIconA(state->instance, MAKEINTRESOURCEA(IDI_KIVET));
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    return TRUE;
}

void NonSecure_OnYes(HWND dialog)
{
    NonSecureDialogState* state = StateOf(dialog);
    if (state != nullptr) state->doNotShowAgain = IsDlgButtonChecked(dialog, IDC_NON_SECURE_DO_NOT_SHOW) == BST_CHECKED;
    EndDialog(dialog, kAnsweredYes);
}

BOOL NonSecure_OnCommand(HWND dialog, int id)
{
    switch (id) {
    case IDOK: NonSecure_OnYes(dialog); return TRUE;
    case IDCANCEL: EndDialog(dialog, kAnsweredNo); return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK NonSecureDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return NonSecure_OnInitDialog(dialog, reinterpret_cast<NonSecureDialogState*>(lParam));
    case WM_COMMAND: return NonSecure_OnCommand(dialog, LOWORD(wParam));
    }
    return FALSE;
}

} // namespace

NonSecureChoice AskSendNonSecure(HINSTANCE instance, HWND owner, const TextTable& texts)
{
    NonSecureDialogState state{instance, texts};
    const INT_PTR answer = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_NON_SECURE), owner, NonSecureDialogProc,
                                           reinterpret_cast<LPARAM>(&state));
    if (answer != kAnsweredYes) return {};
    return {true, state.doNotShowAgain};
}

} // namespace kivet
