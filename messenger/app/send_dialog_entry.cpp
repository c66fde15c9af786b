#include "messenger/app/send_dialog_entry.h"

#include "messenger/runtime/action_log.h"

namespace kivet {

void OpenSendDialog(HWND, const SendHandOver&)
{
    WriteAction("Open sending message dialog.");
    // The send dialog itself is built on top of this entry point; until then the request is
    // recorded and nothing opens.
}

} // namespace kivet
