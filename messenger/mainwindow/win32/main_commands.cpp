#include "messenger/mainwindow/win32/main_commands.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <optional>
#include <string>

#include "common/fixed_text.h"
#include "messenger/mainwindow/win32/about_dialog.h"
#include "messenger/mainwindow/win32/main_dialog.h"
#include "messenger/mainwindow/win32/main_view.h"
#include "messenger/mainwindow/win32/tray_icon.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/help_topics.h"
#include "messenger/runtime/win32/help_viewer.h"
#include "messenger/runtime/win32/message_box_win32.h"

namespace kivet {
namespace {

const char kSupportPage[] = "http://www.ostrel.example/support/";

// The questions of Delete all, as boxes owned by the main window.
class DeleteAllBoxes : public DeleteAllQuestions {
public:
    explicit DeleteAllBoxes(HWND owner) : owner_(owner) {}
    bool ConfirmDeleteAll() override
    {
        return ShowMessageBox(owner_, {Text(IDS_DELETE_ALL_QUESTION), Text(IDS_DELETING_CAPTION), BoxButtons::YesNo,
                                       BoxIcon::Question}) == BoxAnswer::Yes;
    }
    bool ConfirmDeleteUnread() override
    {
        return ShowMessageBox(owner_, {Text(IDS_DELETE_UNREAD_QUESTION), Text(IDS_DELETING_CAPTION), BoxButtons::YesNo,
                                       BoxIcon::Information}) == BoxAnswer::Yes;
    }

private:
    HWND owner_;
};

void OpenWithShell(HWND owner, const char* verb, const std::string& target)
{
    ShellExecuteA(owner, verb, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void ShowPrevious(MainWindow& w)
{
    WriteAction("Show previous message...");
    RefreshView(w, Direction::Previous);
    WriteAction("Show previous message complete.");
}

void ShowNext(MainWindow& w)
{
    WriteAction("Show next message....");
    RefreshView(w, Direction::Next);
    WriteAction("Show next message complete.");
}

void DeleteMessage(MainWindow& w)
{
    WriteAction("Delete message...");
    if (w.store.Counts().total != 0) {
        w.store.DeleteCurrent();
        RefreshView(w, Direction::Stay);
        if (w.store.Counts().total == 0 && w.settings.HideIfLastMsgDeleted) MinimiseMainWindowToTray(w);
    }
    WriteAction("Delete message complete.");
}

void DeleteAllMessages(MainWindow& w)
{
    WriteAction("Delete all messages...");
    DeleteAllBoxes questions(w.dialog);
    DeleteAllResult result;
    {
        ModalScope modal(w);
        result = w.store.DeleteAll(questions);
    }
    if (result == DeleteAllResult::Deleted) RefreshView(w, Direction::Stay);
    WriteAction("Delete all messages complete.");
}

void Toggle(MainWindow& w, int32_t Settings::*setting)
{
    w.settings.*setting = w.settings.*setting ? 0 : 1;
    UpdateCheckMarks(w);
}

void ToggleLogHistory(MainWindow& w)
{
    Toggle(w, &Settings::LogHistory);
}
void ToggleIgnoreList(MainWindow& w)
{
    Toggle(w, &Settings::ActiveIgnorList);
}
void ToggleIgnoreWorkgroup(MainWindow& w)
{
    Toggle(w, &Settings::IgnorWorkgroup);
}

// The help file's start page (F1 and "&Contents").
void HelpContents(MainWindow&)
{
    ShowHelpTopic(kHelpContents);
}
void OnlineSupport(MainWindow& w)
{
    OpenWithShell(w.dialog, "open", kSupportPage);
}
void Contacts(MainWindow& w)
{
    OpenWithShell(w.dialog, "open", w.resources.programDirectory + "contacts.txt");
}
void About(MainWindow& w)
{
    ModalScope modal(w);
    ShowAboutDialog(w.resources.instance, w.dialog);
}

// The commands on the sender of the message shown.
void RunOnCurrentSender(MainWindow& w, WORD id)
{
    if (std::optional<MessageRecord> record = w.store.CurrentRecord())
        w.host.RunSenderCommand(w.dialog, id, FieldText(record->sender));
}

void Open(MainWindow& w)
{
    RestoreMainWindow(w);
}
void Hide(MainWindow& w)
{
    MinimiseMainWindowToTray(w);
}

struct CommandRoute {
    WORD id;
    void (*handler)(MainWindow&);
};

constexpr CommandRoute kRoutes[] = {
    {IDM_PREVIOUS, ShowPrevious},
    {IDM_TRAY_PREVIOUS, ShowPrevious},
    {IDM_NEXT, ShowNext},
    {IDM_TRAY_NEXT, ShowNext},
    {IDM_DELETE, DeleteMessage},
    {IDM_TRAY_DELETE, DeleteMessage},
    {IDM_DELETE_ALL, DeleteAllMessages},
    {IDM_TRAY_DELETE_ALL, DeleteAllMessages},
    {IDM_LOG_HISTORY, ToggleLogHistory},
    {IDM_TRAY_LOG_HISTORY, ToggleLogHistory},
    {IDM_ENABLE_IGNORE, ToggleIgnoreList},
    {IDM_TRAY_ENABLE_IGNORE, ToggleIgnoreList},
    {IDM_IGNORE_WORKGROUP, ToggleIgnoreWorkgroup},
    {IDM_TRAY_IGNORE_WORKGROUP, ToggleIgnoreWorkgroup},
    {IDM_HELP_CONTENTS, HelpContents},
    {IDM_ONLINE_SUPPORT, OnlineSupport},
    {IDM_SEND_FEEDBACK, OnlineSupport},
    {IDM_CONTACTS, Contacts},
    {IDM_ABOUT, About},
    {IDM_TRAY_ABOUT, About},
    {IDM_TRAY_OPEN, Open},
    {IDM_HIDE, Hide},
};

// The commands on the current message's sender, carried out by the host.
constexpr WORD kSenderCommands[] = {IDM_ADD_QUICK_LIST, IDM_ADD_IGNORE_LIST, IDM_MESSAGE_DETAILS, IDM_BROWSE_COMPUTER};

// Commands whose windows (transfer, update check) are not part of the program: shown greyed,
// never silently ignored.
constexpr UINT kUnavailable[] = {
    IDM_SEND_FILE,
    IDM_ACCEPT_FILES,
    IDM_CHECK_UPDATES,
};

void CheckBoth(const MainWindow& w, UINT mainId, UINT trayId, bool on)
{
    UINT flag = MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED);
    if (HMENU menu = GetMenu(w.dialog)) CheckMenuItem(menu, mainId, flag);
    if (HMENU tray = TrayMenu(w)) CheckMenuItem(tray, trayId, flag);
}

} // namespace

bool RunMainCommand(MainWindow& window, WORD id)
{
    for (WORD command : kSenderCommands)
        if (command == id) {
            RunOnCurrentSender(window, id); // nothing to do without a message
            return true;
        }
    for (const CommandRoute& route : kRoutes)
        if (route.id == id) {
            route.handler(window);
            return true;
        }
    return false;
}

void DisableUnavailableCommands(MainWindow& window)
{
    HMENU menu = GetMenu(window.dialog);
    HMENU tray = TrayMenu(window);
    HWND toolbar = window.view.toolbar;
    for (UINT id : kUnavailable) {
        if (menu) EnableMenuItem(menu, id, MF_BYCOMMAND | MF_GRAYED);
        if (tray) EnableMenuItem(tray, id, MF_BYCOMMAND | MF_GRAYED);
        if (toolbar) SendMessageA(toolbar, TB_ENABLEBUTTON, id, MAKELONG(FALSE, 0));
    }
    if (toolbar) SendMessageA(toolbar, TB_CHANGEBITMAP, IDM_SEND_FILE, 13);
}

void UpdateCheckMarks(MainWindow& window)
{
    const Settings& s = window.settings;
    CheckBoth(window, IDM_ENABLE_IGNORE, IDM_TRAY_ENABLE_IGNORE, s.ActiveIgnorList != 0);
    CheckBoth(window, IDM_IGNORE_WORKGROUP, IDM_TRAY_IGNORE_WORKGROUP, s.IgnorWorkgroup != 0);
    CheckBoth(window, IDM_LOG_HISTORY, IDM_TRAY_LOG_HISTORY, s.LogHistory != 0);
    CheckBoth(window, IDM_AUTO_REPLY, IDM_TRAY_AUTO_REPLY, window.host.InAutoReplyMode());
}

} // namespace kivet
