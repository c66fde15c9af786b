#include "messenger/app/auto_reply_commands.h"

#include <optional>

#include "common/fixed_text.h"
#include "messenger/app/receive_timers.h"
#include "messenger/lists/win32/set_auto_reply_dialog.h"
#include "messenger/mainwindow/win32/main_commands.h"
#include "messenger/mainwindow/win32/main_view.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/text_table.h"
#include "messenger/resources/resource.h"

namespace kivet {
namespace {

// The Set dialog decides: OK enters the mode with the confirmed text, Cancel leaves it.
void AskAndSwitch(Application& app, const std::string& initial)
{
    std::optional<std::string> text;
    {
        ModalScope modal(*app.mainWindow);
        text = AskAutoReplyText(app.files.instance, app.MainDialog(), initial, app.lists->lists.autoReplies.Records());
    }
    if (app.ShuttingDown()) return; // a session end ran while the dialog was open
    if (text)
        EnterAutoReplyMode(app, *text);
    else
        LeaveAutoReplyMode(app);
}

void ShowModeInWindow(Application& app, const char* caption)
{
    MainWindow& window = *app.mainWindow;
    SetWindowTextA(window.dialog, caption);
    UpdateCheckMarks(window);
}

} // namespace

void EnterAutoReplyMode(Application& app, const std::string& text)
{
    app.lists->autoReply.EnterAutoReplyMode(text);
    ShowModeInWindow(app, Text(IDS_AUTO_REPLY_CAPTION));
    PauseForAutoReplyMode(app);
    RefreshView(*app.mainWindow, Direction::Stay);
}

void LeaveAutoReplyMode(Application& app)
{
    app.lists->autoReply.LeaveAutoReplyMode();
    ShowModeInWindow(app, app.files.className);
    ResumeAfterAutoReplyMode(app);
    RefreshView(*app.mainWindow, Direction::Stay);
}

void ToggleAutoReplyMode(Application& app)
{
    if (app.InAutoReplyMode())
        LeaveAutoReplyMode(app);
    else
        AskAndSwitch(app, app.lists->autoReply.Text());
}

void ChooseAutoReply(Application& app, std::size_t index)
{
    const std::vector<AutoReply>& replies = app.lists->lists.autoReplies.Records();
    if (index >= replies.size()) return;
    WriteAction("Processing Auto Replies menu...");
    AskAndSwitch(app, std::string(FieldText(replies[index].message)));
    WriteAction("Processing Auto Replies menu complete.");
}

} // namespace kivet
