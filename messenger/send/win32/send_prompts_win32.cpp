#include "messenger/send/win32/send_prompts_win32.h"

#include "messenger/send/win32/non_secure_dialog.h"
#include "messenger/send/win32/results_dialog.h"

namespace kivet {
namespace {

UINT IconFlag(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::None: return 0;
    case BoxIcon::Information: return MB_ICONINFORMATION;
    case BoxIcon::Exclamation: return MB_ICONEXCLAMATION;
    case BoxIcon::Stop: return MB_ICONSTOP;
    case BoxIcon::Question: return MB_ICONQUESTION;
    }
    return 0;
}

BoxAnswer AnswerOf(int pressed)
{
    switch (pressed) {
    case IDOK: return BoxAnswer::Ok;
    case IDYES: return BoxAnswer::Yes;
    case IDNO: return BoxAnswer::No;
    default: return BoxAnswer::Other;
    }
}

} // namespace

UINT PromptBoxFlags(const PromptBox& box)
{
    UINT flags = box.box.buttons == BoxButtons::YesNo ? MB_YESNO : MB_OK;
    flags |= IconFlag(box.box.icon);
    if (box.helpButton) flags |= MB_HELP;
    return flags;
}

Win32SendPrompts::Win32SendPrompts(HINSTANCE instance, HWND owner, const TextTable& texts)
    : instance_(instance), owner_(owner), texts_(texts)
{
}

BoxAnswer Win32SendPrompts::Show(const PromptBox& box)
{
    return AnswerOf(MessageBoxA(owner_, box.box.text.c_str(), box.box.caption.c_str(), PromptBoxFlags(box)));
}

NonSecureChoice Win32SendPrompts::AskSendNonSecure()
{
    return kivet::AskSendNonSecure(instance_, owner_, texts_);
}

void Win32SendPrompts::ShowResults(const ResultsView& view)
{
    ShowResultsDialog(instance_, owner_, view);
}

} // namespace kivet
