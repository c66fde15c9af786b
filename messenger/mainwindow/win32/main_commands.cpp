#include "messenger/mainwindow/win32/main_commands.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <optional>
#include <string>

#include "common/fixed_text.h"
#include "messenger/lists/list_entry.h"

#include "messenger/mainwindow/win32/about_dialog.h"
#include "messenger/mainwindow/win32/apply_settings.h"
#include "messenger/mainwindow/win32/auto_reply_window.h"
#include "messenger/mainwindow/win32/main_dialog.h"
#include "messenger/mainwindow/win32/main_view.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/settings.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/message_box_win32.h"
#include "messenger/runtime/win32/program_state.h"
#include "messenger/runtime/win32/shutdown_host.h"
#include "messenger/store/message_store.h"
#include "messenger/lists/win32/process_lists.h"

namespace kivet {
namespace {

const char kSupportPage[] = "http://www.ostrel.example/support/";

// The questions of Delete all, as boxes owned by the main window.
class DeleteAllBoxes : public DeleteAllQuestions {
public:
    explicit DeleteAllBoxes(HWND owner) : owner_(owner) {}
    bool ConfirmDeleteAll() override
    {
        return ShowMessageBox(owner_, {Text(129), Text(131), BoxButtons::YesNo, BoxIcon::Question}) == BoxAnswer::Yes;
    }
    bool ConfirmDeleteUnread() override
    {
        return ShowMessageBox(owner_, {Text(130), Text(131), BoxButtons::YesNo, BoxIcon::Information}) ==
               BoxAnswer::Yes;
    }

private:
    HWND owner_;
};

void OpenWithShell(HWND owner, const char* verb, const std::string& target)
{
    ShellExecuteA(owner, verb, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::string HistoryFolder()
{
    return Program().programDirectory + "History\\";
}

std::string HistoryFile()
{
    std::string file = HistoryFolder() + HistoryFileName(Program().logonName);
    return GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES ? HistoryFolder() + "empty.html" : file;
}

void ShowPrevious(HWND d)
{
    WriteAction("Show previous message...");
    RefreshView(d, Direction::Previous);
    WriteAction("Show previous message complete.");
}

void ShowNext(HWND d)
{
    WriteAction("Show next message....");
    RefreshView(d, Direction::Next);
    WriteAction("Show next message complete.");
}

void DeleteMessage(HWND d)
{
    WriteAction("Delete message...");
    MessageStore& store = ProcessMessageStore();
    if (store.Counts().total != 0) {
        store.DeleteCurrent();
        RefreshView(d, Direction::Stay);
        if (store.Counts().total == 0 && ProcessSettings().HideIfLastMsgDeleted) MinimiseMainWindowToTray();
    }
    WriteAction("Delete message complete.");
}

void DeleteAllMessages(HWND d)
{
    WriteAction("Delete all messages...");
    DeleteAllBoxes questions(d);
    DeleteAllResult result;
    {
        ModalScope modal;
        result = ProcessMessageStore().DeleteAll(questions);
    }
    if (result == DeleteAllResult::Deleted) RefreshView(d, Direction::Stay);
    WriteAction("Delete all messages complete.");
}

void Exit(HWND)
{
    ProgramState& p = Program();
    if (p.exitQuestionOpen || p.shutDown) return; // a second Exit while the first one asks
    ModalScope modal;
    p.exitQuestionOpen = true;
    Win32ShutdownHost host;
    RunExitCommand(host, ProcessActionLog());
    p.exitQuestionOpen = false;
}

void Toggle(HWND d, int32_t Settings::*setting)
{
    Settings& s = ProcessSettings();
    s.*setting = s.*setting ? 0 : 1;
    UpdateCheckMarks(d);
}

void ToggleLogHistory(HWND d)
{
    Toggle(d, &Settings::LogHistory);
}
void ToggleIgnoreList(HWND d)
{
    Toggle(d, &Settings::ActiveIgnorList);
}
void ToggleIgnoreWorkgroup(HWND d)
{
    Toggle(d, &Settings::IgnorWorkgroup);
}

// History.exe from the program folder, or the history file itself when it cannot start.
void ViewHistory(HWND d)
{
    std::string viewer = Program().programDirectory + "History.exe";
    if (reinterpret_cast<INT_PTR>(
            ShellExecuteA(d, "open", viewer.c_str(), nullptr, Program().programDirectory.c_str(), SW_SHOWNORMAL)) > 32)
        return;
    OpenWithShell(d, "open", HistoryFile());
}

void PrintHistory(HWND d)
{
    OpenWithShell(d, "print", HistoryFolder() + HistoryFileName(Program().logonName));
}
void HelpContents(HWND)
{
    ShowHelpContents();
}
void OnlineSupport(HWND d)
{
    OpenWithShell(d, "open", kSupportPage);
}
void Contacts(HWND d)
{
    OpenWithShell(d, "open", Program().programDirectory + "contacts.txt");
}
void About(HWND d)
{
    ModalScope modal;
    ShowAboutDialog(d);
}
void AddSenderToQuickList(HWND d)
{
    if (std::optional<MessageRecord> record = ProcessMessageStore().CurrentRecord())
        AddNameToQuickList(d, FieldText(record->sender));
}
void AddSenderToIgnoreList(HWND d)
{
    if (std::optional<MessageRecord> record = ProcessMessageStore().CurrentRecord())
        AddNameToIgnoreList(d, FieldText(record->sender));
}

void Open(HWND)
{
    RestoreMainWindow();
}
void Hide(HWND)
{
    MinimiseMainWindowToTray();
}

struct CommandRoute {
    WORD id;
    void (*handler)(HWND);
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
    {IDM_EXIT, Exit},
    {IDM_TRAY_EXIT, Exit},
    {IDM_LOG_HISTORY, ToggleLogHistory},
    {IDM_TRAY_LOG_HISTORY, ToggleLogHistory},
    {IDM_VIEW_HISTORY, ViewHistory},
    {IDM_TRAY_VIEW_HISTORY, ViewHistory},
    {IDM_PRINT_HISTORY, PrintHistory},
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
    {IDM_AUTO_REPLY, ToggleAutoReplyMode},
    {IDM_TRAY_AUTO_REPLY, ToggleAutoReplyMode},
    {IDM_ADD_QUICK_LIST, AddSenderToQuickList},
    {IDM_ADD_IGNORE_LIST, AddSenderToIgnoreList},
    {IDM_HIDE, Hide},
};

// Commands whose windows (send dialog, options, details, transfer, update check) are not part of
// the program yet: shown greyed, never silently ignored.
constexpr UINT kUnavailable[] = {
    IDM_NEW,          IDM_REPLY,   IDM_TRAY_NEW,     IDM_TRAY_REPLY,    IDM_SEND_FILE,
    IDM_ACCEPT_FILES, IDM_OPTIONS, IDM_TRAY_OPTIONS, IDM_CHECK_UPDATES, IDM_MESSAGE_DETAILS,
    IDM_BROWSE_COMPUTER,
};

void CheckBoth(HWND d, UINT mainId, UINT trayId, bool on)
{
    UINT flag = MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED);
    if (HMENU menu = GetMenu(d)) CheckMenuItem(menu, mainId, flag);
    if (HMENU tray = Program().popupMenus ? GetSubMenu(Program().popupMenus, 0) : nullptr)
        CheckMenuItem(tray, trayId, flag);
}

} // namespace

namespace {

// The name, cut at the first blank, goes to the list; a name already there is not added again and
// nothing is said.
void AddNameToList(HWND d, NameList& list, std::string_view sender, uint32_t confirmation)
{
    std::string name = QuickAddName(sender);
    if (name.empty() || !list.Add(name)) return;
    char text[200];
    std::snprintf(text, sizeof text, Text(confirmation), name.c_str());
    {
        ModalScope modal;
        ShowMessageBox(d, {text, Text(147), BoxButtons::Ok, BoxIcon::Information});
    }
    if (!Program().shutDown) ApplySettings(d); // unless a session end came meanwhile
}

} // namespace

void AddNameToQuickList(HWND mainDialog, std::string_view sender)
{
    AddNameToList(mainDialog, ProcessLists().quick, sender, 145);
}

void AddNameToIgnoreList(HWND mainDialog, std::string_view sender)
{
    AddNameToList(mainDialog, ProcessLists().ignore, sender, 146);
}

bool RunMainCommand(HWND mainDialog, WORD id)
{
    for (const CommandRoute& route : kRoutes)
        if (route.id == id) {
            route.handler(mainDialog);
            return true;
        }
    if (id >= IDM_FIRST_AUTO_REPLY && id < IDM_FIRST_AUTO_REPLY + kAutoReplyCapacity) {
        ChooseAutoReply(mainDialog, id - IDM_FIRST_AUTO_REPLY);
        return true;
    }
    return false;
}

void DisableUnavailableCommands(HWND mainDialog)
{
    HMENU menu = GetMenu(mainDialog);
    HMENU tray = Program().popupMenus ? GetSubMenu(Program().popupMenus, 0) : nullptr;
    HWND toolbar = GetDlgItem(mainDialog, IDC_TOOLBAR);
    for (UINT id : kUnavailable) {
        if (menu) EnableMenuItem(menu, id, MF_BYCOMMAND | MF_GRAYED);
        if (tray) EnableMenuItem(tray, id, MF_BYCOMMAND | MF_GRAYED);
        if (toolbar) SendMessageA(toolbar, TB_ENABLEBUTTON, id, MAKELONG(FALSE, 0));
    }
    if (toolbar) SendMessageA(toolbar, TB_CHANGEBITMAP, IDM_SEND_FILE, 13);
}

void UpdateCheckMarks(HWND mainDialog)
{
    const Settings& s = ProcessSettings();
    CheckBoth(mainDialog, IDM_ENABLE_IGNORE, IDM_TRAY_ENABLE_IGNORE, s.ActiveIgnorList != 0);
    CheckBoth(mainDialog, IDM_IGNORE_WORKGROUP, IDM_TRAY_IGNORE_WORKGROUP, s.IgnorWorkgroup != 0);
    CheckBoth(mainDialog, IDM_LOG_HISTORY, IDM_TRAY_LOG_HISTORY, s.LogHistory != 0);
    CheckBoth(mainDialog, IDM_AUTO_REPLY, IDM_TRAY_AUTO_REPLY, InAutoReplyMode());
}

// "hh.exe" and the help file in the program folder, quoted for folders with blanks; a missing
// viewer fails silently.
void ShowHelpContents()
{
    std::string command = "hh.exe \"" + Program().programDirectory + Text(444) + "\"";
    WinExec(command.c_str(), SW_SHOWNORMAL);
}

} // namespace kivet
