#include "messenger/send/win32/send_dialog_link_win32.h"

#include <utility>

#include "messenger/resources/resource.h"

namespace kivet {

Win32SendDialogLink::Win32SendDialogLink(HWND dialog, std::function<void()> updateStatusBar)
    : dialog_(dialog), updateStatusBar_(std::move(updateStatusBar))
{
}

void Win32SendDialogLink::UpdateStatusBar()
{
    if (updateStatusBar_) updateStatusBar_();
}

void Win32SendDialogLink::Finish()
{
    if (closeRequested_) {
        PostMessageA(dialog_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return;
    }
    if (focusRequested_)
        PostMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog_, IDC_SEND_TEXT)), TRUE);
}

} // namespace kivet
