#include "messenger/mainwindow/win32/auto_reply_window.h"

#include <optional>

#include "common/fixed_text.h"
#include "messenger/lists/win32/process_lists.h"
#include "messenger/lists/win32/set_auto_reply_dialog.h"
#include "messenger/mainwindow/win32/main_commands.h"
#include "messenger/mainwindow/win32/main_view.h"
#include "messenger/mainwindow/win32/receive_timers.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/program_state.h"

namespace kivet {
namespace {

// The Set dialog decides: OK enters the mode with the confirmed text, Cancel leaves it.
void AskAndSwitch(HWND mainDialog, const std::string& initial)
{
    std::optional<std::string> text;
    {
        ModalScope modal;
        text = AskAutoReplyText(mainDialog, initial, ProcessLists().autoReplies.Records());
    }
    if (Program().shutDown) return; // a session end ran while the dialog was open
    if (text)
        EnterAutoReplyMode(mainDialog, *text);
    else
        LeaveAutoReplyMode(mainDialog);
}

} // namespace

void EnterAutoReplyMode(HWND mainDialog, const std::string& text)
{
    ProcessAutoReplyMode().EnterAutoReplyMode(text);
    SetWindowTextA(mainDialog, Text(197));
    UpdateCheckMarks(mainDialog);
    PauseForAutoReplyMode(mainDialog);
    RefreshView(mainDialog, Direction::Stay);
}

void LeaveAutoReplyMode(HWND mainDialog)
{
    ProcessAutoReplyMode().LeaveAutoReplyMode();
    SetWindowTextA(mainDialog, Program().className);
    UpdateCheckMarks(mainDialog);
    ResumeAfterAutoReplyMode(mainDialog);
    RefreshView(mainDialog, Direction::Stay);
}

void ToggleAutoReplyMode(HWND mainDialog)
{
    if (InAutoReplyMode())
        LeaveAutoReplyMode(mainDialog);
    else
        AskAndSwitch(mainDialog, ProcessAutoReplyMode().Text());
}

void ChooseAutoReply(HWND mainDialog, std::size_t index)
{
    const std::vector<AutoReply>& replies = ProcessLists().autoReplies.Records();
    if (index >= replies.size()) return;
    AskAndSwitch(mainDialog, std::string(FieldText(replies[index].message)));
}

} // namespace kivet
