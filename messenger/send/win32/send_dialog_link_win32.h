// The send dialog as the sending thread sees it. The dialog belongs to the main thread, so the
// requests are kept and carried out by the launcher once the sending thread has ended and the
// controls have their cursors back: a posted Cancel closes the dialog, or the focus goes back to
// the message text.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>

#include "messenger/send/send_dialog_link.h"

namespace kivet {

class Win32SendDialogLink final : public SendDialogLink {
public:
    Win32SendDialogLink(HWND dialog, std::function<void()> updateStatusBar);

    void CloseSendDialog() override { closeRequested_ = true; }
    void ReadyForNextMessage() override { focusRequested_ = true; }
    void UpdateStatusBar() override;

    // Carries out the close or the focus change asked for.
    void Finish();

private:
    HWND dialog_;
    std::function<void()> updateStatusBar_;
    std::atomic<bool> closeRequested_{false};
    std::atomic<bool> focusRequested_{false};
};

} // namespace kivet
