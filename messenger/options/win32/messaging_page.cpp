// The Messaging page: its boxes are all in the shared table; the "..." button opens the system's
// Sounds control panel, where the "Incoming message" sound is chosen.
#include "messenger/options/win32/option_pages.h"
#include "messenger/resources/resource.h"

namespace kivet {
namespace {

void MessagingPage_OnCommand(HWND, SheetState&, int control, int code)
{
    if (control == IDC_OPT_SOUNDS && code == BN_CLICKED) WinExec("Control.exe mmsys.cpl", SW_SHOWNORMAL);
}

const PageHandlers kMessagingPage = {nullptr, MessagingPage_OnCommand, nullptr, nullptr};

} // namespace

const PageHandlers& MessagingPageHandlers()
{
    return kMessagingPage;
}

} // namespace kivet
