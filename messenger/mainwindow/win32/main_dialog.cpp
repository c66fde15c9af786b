#include "messenger/mainwindow/win32/main_dialog.h"

#include <commctrl.h>
#include <richedit.h>
#include <shellapi.h>
#include <windowsx.h>

#include <vector>

#include "common/fixed_text.h"
#include "messenger/mainwindow/message_links.h"
#include "messenger/mainwindow/win32/apply_settings.h"
#include "messenger/mainwindow/win32/tray_icon.h"
#include "messenger/messages.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/settings.h"
#include "messenger/runtime/win32/program_state.h"
#include "messenger/runtime/win32/registry_store_win32.h"
#include "messenger/runtime/win32/shutdown_host.h"
#include "messenger/send/win32/send_dialog_entry.h"
#include "messenger/mainwindow/win32/main_commands.h"
#include "messenger/mainwindow/win32/main_view.h"
#include "messenger/mainwindow/win32/sender_menu.h"
#include "messenger/mainwindow/win32/toolbar_dropdowns.h"
#include "messenger/mainwindow/win32/window_queries.h"
#include "messenger/store/message_store.h"
#include "messenger/mainwindow/win32/receive_timers.h"
#include "messenger/transport/win32/mailslot_setup_host.h"

namespace kivet {
namespace {

// Size of the window as created from its template: it is never made smaller.
SIZE g_minimumSize;

INT_PTR CALLBACK MainDialogProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam);

void PlaceFromRegistry(HWND hDlg, bool position, bool size)
{
    Win32Registry registry;
    WindowPlacement saved = LoadMainWindowPlacement(registry);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (position && saved.hasPosition) SetWindowPos(hDlg, nullptr, saved.x, saved.y, 0, 0, flags | SWP_NOSIZE);
    if (size && saved.hasSize) SetWindowPos(hDlg, nullptr, 0, 0, saved.width, saved.height, flags | SWP_NOMOVE);
}

void AdjustSystemMenu(HWND hDlg)
{
    HMENU system = GetSystemMenu(hDlg, FALSE);
    DeleteMenu(system, SC_MAXIMIZE, MF_BYCOMMAND);
    EnableMenuItem(system, SC_RESTORE, MF_BYCOMMAND | MF_GRAYED);
}

void SetWindowIcons(HWND hDlg)
{
    HINSTANCE instance = Program().instance;
    SendMessageA(hDlg, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconA(instance, MAKEINTRESOURCEA(IDI_KIVET))));
    SendMessageA(hDlg, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_KIVET), IMAGE_ICON, 16, 16, 0)));
}

void AddNormalTrayIcon(HWND hDlg)
{
    char tip[100];
    FormatTrayTooltip(tip, sizeof tip, 0, 0);
    AddTrayIcon(hDlg, IDI_TRAY_NORMAL, tip);
}

BOOL MainDlg_OnInitDialog(HWND hDlg)
{
    Program().mainDialog = hDlg;
    RECT created;
    GetWindowRect(hDlg, &created);
    g_minimumSize = {created.right - created.left, created.bottom - created.top};

    ApplySettings(hDlg);
    DragAcceptFiles(hDlg, TRUE);
    if (!CreateProgramMailslots(hDlg)) ExitProcess(0);
    StartReceiveTimers(hDlg);
    AddNormalTrayIcon(hDlg);
    SetWindowIcons(hDlg);
    AdjustSystemMenu(hDlg);
    PlaceFromRegistry(hDlg, true, false);
    CreateMainControls(hDlg);
    PlaceFromRegistry(hDlg, false, true);
    LayoutMainControls(hDlg);
    DisableUnavailableCommands(hDlg);
    UpdateCheckMarks(hDlg);
    RefreshView(hDlg, Direction::Stay);
    return TRUE;
}

void MainDlg_OnCommand(HWND hDlg, WORD id)
{
    RunMainCommand(hDlg, id);
}

constexpr LONG kLongestLink = 2048;

// A click on the sender's link opens the names menu; a click on an address in the text opens it
// when it is a web, mail or news address.
LRESULT MainDlg_OnLink(HWND hDlg, ENLINK* link)
{
    if (link->msg != WM_LBUTTONDOWN) return 0;
    if (link->nmhdr.hwndFrom == HeaderControl()) {
        SetFocus(MessageTextControl());
        if (ProcessMessageStore().Counts().total != 0) ShowSenderMenu(hDlg);
        return 1;
    }
    const LONG length = link->chrg.cpMax - link->chrg.cpMin;
    if (length <= 0 || length > kLongestLink) return 0;
    // Two bytes a character: on double-byte code pages one character may take both.
    std::vector<char> url(2 * static_cast<size_t>(length) + 2, '\0');
    TEXTRANGEA range{link->chrg, url.data()};
    SendMessageA(link->nmhdr.hwndFrom, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    if (IsOpenableLink(url.data())) ShellExecuteA(hDlg, "open", url.data(), nullptr, nullptr, SW_SHOWNORMAL);
    return 1;
}

// Dropped files and folders go to the file transfer, which the transfer component carries out.
void MainDlg_OnDropFiles(HDROP drop)
{
    DragFinish(drop);
}

// Any click in the header moves the focus to the message text.
void MainDlg_OnHeaderMouse(MSGFILTER* filter)
{
    if (filter->msg == WM_LBUTTONDOWN && filter->nmhdr.hwndFrom == HeaderControl()) SetFocus(MessageTextControl());
}

// Toolbar tooltips, links in the header and the message text, and the toolbar's drop-down arrows.
LRESULT MainDlg_OnNotify(HWND hDlg, NMHDR* header)
{
    switch (header->code) {
    case TTN_GETDISPINFOA: {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
        info->lpszText = const_cast<char*>(ToolbarTip(static_cast<int>(header->idFrom)));
        return 0;
    }
    case EN_LINK: return MainDlg_OnLink(hDlg, reinterpret_cast<ENLINK*>(header));
    case EN_MSGFILTER: MainDlg_OnHeaderMouse(reinterpret_cast<MSGFILTER*>(header)); return 0;
    case TBN_DROPDOWN: ShowToolbarDropDown(hDlg, reinterpret_cast<NMTOOLBARA*>(header)); return TBDDRET_DEFAULT;
    }
    return 0;
}

// While a question of the program is open, the tray and the hotkey only bring it to the front.
bool BringOpenQuestionForward(HWND hDlg)
{
    if (!Program().questionOpen) return false;
    SetForegroundWindow(GetLastActivePopup(hDlg));
    return true;
}

void MainDlg_OnTrayNotify(HWND hDlg, UINT event)
{
    if ((event == WM_LBUTTONDOWN || event == WM_RBUTTONDOWN) && BringOpenQuestionForward(hDlg)) return;
    switch (event) {
    case WM_LBUTTONDOWN: RestoreMainWindow(); break;
    case WM_RBUTTONDOWN:
        UpdateCommandStates(hDlg);
        DisableUnavailableCommands(hDlg);
        ShowTrayMenu(hDlg, Program().popupMenus);
        break;
    }
}

void MainDlg_OnContextMenuSend(HWND hDlg)
{
    SendHandOver handOver{};
    CopyCut(handOver.recipient, Program().contextMenuName);
    OpenSendDialog(hDlg, handOver);
}

void MainDlg_OnHotkey()
{
    HWND main = Program().mainDialog;
    if (BringOpenQuestionForward(main)) return;
    if (IsWindowVisible(main) && !IsIconic(main))
        MinimiseMainWindowToTray();
    else
        RestoreMainWindow();
}

void MainDlg_OnEndSession(BOOL ending)
{
    if (!ending) return; // another program refused the end of the session: carry on
    Win32ShutdownHost host;
    RunShutdownSequence(host, CurrentShutdownState(), ProcessActionLog());
}

void MainDlg_OnGetMinMaxInfo(MINMAXINFO* info)
{
    info->ptMinTrackSize.x = g_minimumSize.cx;
    info->ptMinTrackSize.y = g_minimumSize.cy;
}

bool MainDlg_OnSysCommand(WPARAM command)
{
    if ((command & 0xFFF0) != SC_MINIMIZE) return false;
    MinimiseMainWindowToTray();
    return true;
}

// Sent to every top-level window when the taskbar is created again (Explorer restarted).
UINT TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

void MainDlg_OnNcDestroy()
{
    Program().mainDialog = nullptr;
}

INT_PTR CALLBACK MainDialogProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == TaskbarCreatedMessage() && msg != 0) {
        if (!Program().shutDown) {
            AddNormalTrayIcon(hDlg);
            RefreshView(hDlg, Direction::Stay); // the icon and tooltip as they were
        }
        return TRUE;
    }
    LRESULT answer = 0;
    if (AnswerWindowQuery(hDlg, msg, wParam, lParam, answer)) return SetDlgMsgResult(hDlg, msg, answer);
    switch (msg) {
    case WM_INITDIALOG: return MainDlg_OnInitDialog(hDlg);
    case WM_COMMAND: MainDlg_OnCommand(hDlg, LOWORD(wParam)); return TRUE;
    case WM_NOTIFY: return SetDlgMsgResult(hDlg, msg, MainDlg_OnNotify(hDlg, reinterpret_cast<NMHDR*>(lParam)));
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) LayoutMainControls(hDlg);
        return TRUE;
    case WM_HELP: ShowHelpContents(); return TRUE;
    case WM_DROPFILES: MainDlg_OnDropFiles(reinterpret_cast<HDROP>(wParam)); return TRUE;
    case kMsgSecureStored: NotifyNewMessage(hDlg); return TRUE;
    case kMsgGroupRefresh: RefreshView(hDlg, Direction::Stay); return TRUE;
    case WM_CLOSE: MinimiseMainWindowToTray(); return TRUE;
    case WM_SYSCOMMAND: return MainDlg_OnSysCommand(wParam);
    case WM_HOTKEY:
        if (wParam == kHotkeyMainWindow) MainDlg_OnHotkey();
        return TRUE;
    case WM_ENDSESSION: MainDlg_OnEndSession(static_cast<BOOL>(wParam)); return TRUE;
    case WM_GETMINMAXINFO: MainDlg_OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam)); return TRUE;
    case kMsgTrayNotify: MainDlg_OnTrayNotify(hDlg, static_cast<UINT>(lParam)); return TRUE;
    case kMsgOpenContextMenuSend: MainDlg_OnContextMenuSend(hDlg); return TRUE;
    case WM_NCDESTROY: MainDlg_OnNcDestroy(); return FALSE;
    case WM_TIMER: return OnReceiveTimer(hDlg, wParam);
    }
    return FALSE;
}

} // namespace

HWND CreateMainDialog(HINSTANCE instance, HWND frame)
{
    HWND dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), frame, MainDialogProc, 0);
    if (!dialog) return nullptr;
    if (ProcessSettings().MovetoTrayAtStartup)
        SendMessageA(dialog, WM_SETREDRAW, FALSE, 0);
    else
        ShowWindow(dialog, SW_SHOW);
    RefreshView(dialog, Direction::Stay);
    return dialog;
}

void MinimiseMainWindowToTray()
{
    HWND main = Program().mainDialog;
    if (!main || IsIconic(main) || !IsWindowVisible(main)) return;
    RECT r;
    GetWindowRect(main, &r);
    Win32Registry registry;
    SaveMainWindowPlacement(registry, r.left, r.top, r.right - r.left, r.bottom - r.top);
    ShowWindow(main, SW_MINIMIZE);
    ShowWindow(main, SW_HIDE);
    SendMessageA(main, WM_SETREDRAW, FALSE, 0);
}

void RestoreMainWindow(bool refresh)
{
    HWND main = Program().mainDialog;
    if (!main) return;
    ShowWindow(main, SW_SHOW);
    ShowWindow(main, SW_RESTORE);
    SendMessageA(main, WM_SETREDRAW, TRUE, 0);
    SetForegroundWindow(main);
    if (refresh) RefreshView(main, Direction::Stay);
    RedrawWindow(main, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

} // namespace kivet
