// The sending code's message boxes and dialogs, owned by the send dialog.
#pragma once

#include <windows.h>

#include "messenger/runtime/text_table.h"
#include "messenger/send/send_prompts.h"

namespace kivet {

// MessageBox flags for the box: buttons, icon and a Help button (whose press the owner receives
// as WM_HELP).
UINT PromptBoxFlags(const PromptBox& box);

class Win32SendPrompts final : public SendPrompts {
public:
    // instance: the module with the dialog templates and icon 136.
    Win32SendPrompts(HINSTANCE instance, HWND owner, const TextTable& texts);

    BoxAnswer Show(const PromptBox& box) override;
    NonSecureChoice AskSendNonSecure() override;
    void ShowResults(const ResultsView& view) override;

private:
    HINSTANCE instance_;
    HWND owner_;
    const TextTable& texts_;
};

} // namespace kivet
