#include "messenger/app/main_window_host.h"

#include <cstdio>

#include "common/fixed_text.h"
#include "common/win32/win32_codec.h"
#include "messenger/browser/win32/sender_commands.h"
#include "messenger/app/apply_settings.h"
#include "messenger/app/auto_reply_commands.h"
#include "messenger/app/history_commands.h"
#include "messenger/app/mailslot_setup_host.h"
#include "messenger/app/options_commands.h"
#include "messenger/app/receive_timers.h"
#include "messenger/app/send_dialog_entry.h"
#include "messenger/app/shutdown_host.h"
#include "messenger/lists/list_entry.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/help_topics.h"
#include "messenger/runtime/win32/help_viewer.h"
#include "messenger/runtime/win32/message_box_win32.h"

namespace kivet {
namespace {

// The Exit command asks its questions once: a second Exit while the first one asks does nothing.
void Exit(Application& app)
{
    if (app.exitQuestionOpen || app.ShuttingDown()) return;
    ModalScope modal(*app.mainWindow);
    app.exitQuestionOpen = true;
    Win32ShutdownHost host(app);
    RunExitCommand(host, ProcessActionLog());
    app.exitQuestionOpen = false;
}

// "Message details" (F3): what the network says of the sender, in the Details window.
void ShowDetailsOfSender(Application& app, HWND mainDialog, std::string_view sender)
{
    if (!app.browser) return;
    ModalScope modal(*app.mainWindow);
    ShowSenderDetails(mainDialog, *app.browser, sender, SystemCodec(), ProcessActionLog(),
                      [] { ShowHelpTopic(kHelpDetailsWindow); });
}

// "Browse computer": the sender's computer opened with the shell.
void BrowseComputerOfSender(Application& app, HWND mainDialog, std::string_view sender)
{
    if (app.browser) BrowseSenderComputer(mainDialog, *app.browser, sender);
}

} // namespace

// The name, cut at the first blank, goes to the list; a name already there is not added again and
// nothing is said.
void AddNameToPersonalList(Application& app, HWND owner, std::string_view sender, bool ignoreList)
{
    NameList& list = ignoreList ? app.lists->lists.ignore : app.lists->lists.quick;
    std::string name = QuickAddName(sender);
    if (name.empty() || !list.Add(name)) return;
    char text[200];
    std::snprintf(text, sizeof text, Text(ignoreList ? IDS_ADDED_TO_IGNORE_LIST : IDS_ADDED_TO_QUICK_LIST),
                  name.c_str());
    {
        ModalScope modal(*app.mainWindow);
        ShowMessageBox(owner, {text, Text(IDS_QUICK_ADDING_CAPTION), BoxButtons::Ok, BoxIcon::Information});
    }
    if (!app.ShuttingDown()) ApplySettings(app); // unless a session end came meanwhile
}

bool ProgramMainWindowHost::OnMainWindowCreated(HWND mainDialog)
{
    ApplySettings(app_);
    if (!CreateProgramMailslots(app_, mainDialog)) return false;
    StartReceiveTimers(app_);
    return true;
}

bool ProgramMainWindowHost::RunCommand(HWND, WORD id)
{
    if (RunOptionsCommand(app_, id)) return true;
    switch (id) {
    case IDM_EXIT:
    case IDM_TRAY_EXIT: Exit(app_); return true;
    case IDM_VIEW_HISTORY:
    case IDM_TRAY_VIEW_HISTORY: ViewHistory(app_); return true;
    case IDM_PRINT_HISTORY: PrintHistory(app_); return true;
    case IDM_AUTO_REPLY:
    case IDM_TRAY_AUTO_REPLY: ToggleAutoReplyMode(app_); return true;
    case IDM_NEW:
    case IDM_TRAY_NEW: OpenNewMessage(app_); return true;
    case IDM_REPLY:
    case IDM_TRAY_REPLY: OpenReply(app_); return true;
    }
    if (id >= IDM_FIRST_QUICK_ANSWER && id < IDM_FIRST_QUICK_ANSWER + kListCapacity) {
        RunQuickAnswer(app_, id - IDM_FIRST_QUICK_ANSWER);
        return true;
    }
    if (id >= IDM_FIRST_AUTO_REPLY && id < IDM_FIRST_AUTO_REPLY + kAutoReplyCapacity) {
        ChooseAutoReply(app_, id - IDM_FIRST_AUTO_REPLY);
        return true;
    }
    return false;
}

void ProgramMainWindowHost::OnTimer(HWND, UINT_PTR timer)
{
    OnReceiveTimer(app_, timer);
}

void ProgramMainWindowHost::OnEndSession()
{
    Win32ShutdownHost host(app_);
    RunShutdownSequence(host, CurrentShutdownState(app_), ProcessActionLog());
}

void ProgramMainWindowHost::OnContextMenuSend(HWND)
{
    OpenContextMenuSend(app_);
}

void ProgramMainWindowHost::OnPathsDropped(HWND, const std::vector<std::string>& paths)
{
    OpenForDroppedPaths(app_, paths);
}

void ProgramMainWindowHost::RunSenderCommand(HWND mainDialog, WORD command, std::string_view sender)
{
    switch (command) {
    case IDM_ADD_QUICK_LIST: AddNameToPersonalList(app_, mainDialog, sender, false); break;
    case IDM_ADD_IGNORE_LIST: AddNameToPersonalList(app_, mainDialog, sender, true); break;
    case IDM_MESSAGE_DETAILS: ShowDetailsOfSender(app_, mainDialog, sender); break;
    case IDM_BROWSE_COMPUTER: BrowseComputerOfSender(app_, mainDialog, sender); break;
    }
}

bool ProgramMainWindowHost::InAutoReplyMode()
{
    return app_.InAutoReplyMode();
}

std::vector<std::string> ProgramMainWindowHost::QuickAnswers()
{
    return app_.lists ? app_.lists->lists.answers.Entries() : std::vector<std::string>();
}

std::vector<std::string> ProgramMainWindowHost::AutoReplyDescriptions()
{
    std::vector<std::string> descriptions;
    if (!app_.lists) return descriptions;
    for (const AutoReply& reply : app_.lists->lists.autoReplies.Records())
        descriptions.emplace_back(FieldText(reply.description));
    return descriptions;
}

ScanSummary ProgramMainWindowHost::LastScan()
{
    ScanSummary summary;
    if (!app_.browser) return summary;
    const std::shared_ptr<const ScanTables> tables = app_.browser->Tables();
    if (tables) {
        summary.computers = tables->computers.size();
        summary.users = tables->users.size();
    }
    summary.running = app_.browser->ScanRunning();
    return summary;
}

std::optional<ScannedName> ProgramMainWindowHost::ScannedEntry(std::string_view name)
{
    const std::shared_ptr<const ScanTables> tables = app_.browser ? app_.browser->Tables() : nullptr;
    if (!tables) return std::nullopt;
    const std::string computer = ScannedComputerOf(*tables, name);
    if (computer.empty()) return std::nullopt;
    ScannedName entry;
    entry.state = ScannedStateOf(*tables, name);
    for (const ScannedComputer& scanned : tables->computers)
        if (EqualsNoCase(FieldText(scanned.name), computer)) entry.runsMessenger = scanned.runsMessenger != 0;
    return entry;
}

} // namespace kivet
