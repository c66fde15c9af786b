#include "messenger/mainwindow/win32/main_dialog.h"

#include <commctrl.h>
#include <richedit.h>
#include <shellapi.h>
#include <windowsx.h>

#include <string>
#include <vector>

#include "messenger/mainwindow/message_links.h"
#include "messenger/mainwindow/win32/main_commands.h"
#include "messenger/mainwindow/win32/main_view.h"
#include "messenger/mainwindow/win32/new_message_alerts.h"
#include "messenger/mainwindow/win32/sender_menu.h"
#include "messenger/mainwindow/win32/toolbar_dropdowns.h"
#include "messenger/mainwindow/win32/tray_icon.h"
#include "messenger/mainwindow/win32/window_queries.h"
#include "messenger/messages.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/help_topics.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/win32/help_viewer.h"
#include "messenger/runtime/win32/registry_store_win32.h"

namespace kivet {
namespace {

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

void SetWindowIcons(HWND hDlg, HINSTANCE instance)
{
    SendMessageA(hDlg, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconA(instance, MAKEINTRESOURCEA(IDI_KIVET))));
    SendMessageA(hDlg, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_KIVET), IMAGE_ICON, 16, 16, 0)));
}

void AddNormalTrayIcon(MainWindow& window)
{
    char tip[100];
    FormatTrayTooltip(tip, sizeof tip, 0, 0);
    AddTrayIcon(window, IDI_TRAY_NORMAL, tip);
}

BOOL MainDlg_OnInitDialog(HWND hDlg, MainWindow& window)
{
    SetWindowLongPtrA(hDlg, DWLP_USER, reinterpret_cast<LONG_PTR>(&window));
    window.dialog = hDlg;
    RECT created;
    GetWindowRect(hDlg, &created);
    window.minimumSize = {created.right - created.left, created.bottom - created.top};

    DragAcceptFiles(hDlg, TRUE);
    if (!window.host.OnMainWindowCreated(hDlg)) ExitProcess(0);
    AddNormalTrayIcon(window);
    SetWindowIcons(hDlg, window.resources.instance);
    AdjustSystemMenu(hDlg);
    PlaceFromRegistry(hDlg, true, false);
    CreateMainControls(window);
    PlaceFromRegistry(hDlg, false, true);
    LayoutMainControls(window);
    DisableUnavailableCommands(window);
    UpdateCheckMarks(window);
    RefreshView(window, Direction::Stay);
    return TRUE;
}

void MainDlg_OnCommand(MainWindow& window, WORD id)
{
    if (!RunMainCommand(window, id)) window.host.RunCommand(window.dialog, id);
}

constexpr LONG kLongestLink = 2048;

// A click on the sender's link opens the names menu; a click on an address in the text opens it
// when it is a web, mail or news address.
LRESULT MainDlg_OnLink(MainWindow& window, ENLINK* link)
{
    if (link->msg != WM_LBUTTONDOWN) return 0;
    if (link->nmhdr.hwndFrom == window.view.header) {
        SetFocus(window.view.text);
        if (window.store.Counts().total != 0) ShowSenderMenu(window);
        return 1;
    }
    const LONG length = link->chrg.cpMax - link->chrg.cpMin;
    if (length <= 0 || length > kLongestLink) return 0;
    // Two bytes a character: on double-byte code pages one character may take both.
    std::vector<char> url(2 * static_cast<size_t>(length) + 2, '\0');
    TEXTRANGEA range{link->chrg, url.data()};
    SendMessageA(link->nmhdr.hwndFrom, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    if (IsOpenableLink(url.data())) ShellExecuteA(window.dialog, "open", url.data(), nullptr, nullptr, SW_SHOWNORMAL);
    return 1;
}

// Dropped paths go to the host: network names are written to, files and folders transferred.
void MainDlg_OnDropFiles(MainWindow& window, HDROP drop)
{
    std::vector<std::string> paths;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        char path[MAX_PATH + 1] = {};
        if (DragQueryFileA(drop, i, path, sizeof path) > 0) paths.emplace_back(path);
    }
    DragFinish(drop);
    window.host.OnPathsDropped(window.dialog, paths);
}

// Any click in the header moves the focus to the message text.
void MainDlg_OnHeaderMouse(MainWindow& window, MSGFILTER* filter)
{
    if (filter->msg == WM_LBUTTONDOWN && filter->nmhdr.hwndFrom == window.view.header) SetFocus(window.view.text);
}

// Toolbar tooltips, links in the header and the message text, and the toolbar's drop-down arrows.
LRESULT MainDlg_OnNotify(MainWindow& window, NMHDR* header)
{
    switch (header->code) {
    case TTN_GETDISPINFOA: {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
        info->lpszText = const_cast<char*>(ToolbarTip(static_cast<int>(header->idFrom)));
        return 0;
    }
    case EN_LINK: return MainDlg_OnLink(window, reinterpret_cast<ENLINK*>(header));
    case EN_MSGFILTER: MainDlg_OnHeaderMouse(window, reinterpret_cast<MSGFILTER*>(header)); return 0;
    case TBN_DROPDOWN: ShowToolbarDropDown(window, reinterpret_cast<NMTOOLBARA*>(header)); return TBDDRET_DEFAULT;
    }
    return 0;
}

// While a question of the program is open, the tray and the hotkey only bring it to the front.
bool BringOpenQuestionForward(MainWindow& window)
{
    if (!window.modalOpen) return false;
    SetForegroundWindow(GetLastActivePopup(window.dialog));
    return true;
}

void MainDlg_OnTrayNotify(MainWindow& window, UINT event)
{
    if ((event == WM_LBUTTONDOWN || event == WM_RBUTTONDOWN) && BringOpenQuestionForward(window)) return;
    switch (event) {
    case WM_LBUTTONDOWN: RestoreMainWindow(window); break;
    case WM_RBUTTONDOWN:
        UpdateCommandStates(window);
        DisableUnavailableCommands(window);
        ShowTrayMenu(window);
        break;
    }
}

void MainDlg_OnHotkey(MainWindow& window)
{
    if (BringOpenQuestionForward(window)) return;
    if (IsWindowVisible(window.dialog) && !IsIconic(window.dialog))
        MinimiseMainWindowToTray(window);
    else
        RestoreMainWindow(window);
}

void MainDlg_OnEndSession(MainWindow& window, BOOL ending)
{
    if (!ending) return; // another program refused the end of the session: carry on
    window.host.OnEndSession();
}

void MainDlg_OnGetMinMaxInfo(const MainWindow& window, MINMAXINFO* info)
{
    info->ptMinTrackSize.x = window.minimumSize.cx;
    info->ptMinTrackSize.y = window.minimumSize.cy;
}

bool MainDlg_OnSysCommand(MainWindow& window, WPARAM command)
{
    if ((command & 0xFFF0) != SC_MINIMIZE) return false;
    MinimiseMainWindowToTray(window);
    return true;
}

// The secure exchange stored a message: announced as a plain one is.
void MainDlg_OnSecureStored(MainWindow& window)
{
    StartBlinkingForUnread(window);
    NotifyNewMessage(window);
}

void MainDlg_OnTimer(MainWindow& window, UINT_PTR timer)
{
    if (!OnAlertTimer(window, timer)) window.host.OnTimer(window.dialog, timer);
}

// The taskbar was created again (Explorer restarted): the icon goes back with what it showed.
void MainDlg_OnTaskbarCreated(MainWindow& window)
{
    if (window.shuttingDown) return;
    AddNormalTrayIcon(window);
    RefreshView(window, Direction::Stay);
}

// Sent to every top-level window when the taskbar is created again (Explorer restarted).
UINT TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

void MainDlg_OnNcDestroy(MainWindow& window)
{
    window.dialog = nullptr;
}

// Every message but the first ones before WM_INITDIALOG, once the window knows its state.
INT_PTR DispatchMainDialog(MainWindow& window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    HWND hDlg = window.dialog;
    if (msg == TaskbarCreatedMessage() && msg != 0) {
        MainDlg_OnTaskbarCreated(window);
        return TRUE;
    }
    LRESULT answer = 0;
    if (AnswerWindowQuery(window, msg, wParam, lParam, answer)) return SetDlgMsgResult(hDlg, msg, answer);
    switch (msg) {
    case WM_COMMAND: MainDlg_OnCommand(window, LOWORD(wParam)); return TRUE;
    case WM_NOTIFY: return SetDlgMsgResult(hDlg, msg, MainDlg_OnNotify(window, reinterpret_cast<NMHDR*>(lParam)));
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) LayoutMainControls(window);
        return TRUE;
    case WM_HELP: ShowHelpTopic(kHelpContents); return TRUE;
    case WM_DROPFILES: MainDlg_OnDropFiles(window, reinterpret_cast<HDROP>(wParam)); return TRUE;
    case kMsgSecureStored: MainDlg_OnSecureStored(window); return TRUE;
    case kMsgGroupRefresh: RefreshView(window, Direction::Stay); return TRUE;
    case WM_CLOSE: MinimiseMainWindowToTray(window); return TRUE;
    case WM_SYSCOMMAND: return MainDlg_OnSysCommand(window, wParam);
    case WM_HOTKEY:
        if (wParam == kHotkeyMainWindow) MainDlg_OnHotkey(window);
        return TRUE;
    case WM_ENDSESSION: MainDlg_OnEndSession(window, static_cast<BOOL>(wParam)); return TRUE;
    case WM_GETMINMAXINFO: MainDlg_OnGetMinMaxInfo(window, reinterpret_cast<MINMAXINFO*>(lParam)); return TRUE;
    case kMsgTrayNotify: MainDlg_OnTrayNotify(window, static_cast<UINT>(lParam)); return TRUE;
    case kMsgOpenContextMenuSend: window.host.OnContextMenuSend(hDlg); return TRUE;
    case WM_NCDESTROY: MainDlg_OnNcDestroy(window); return FALSE;
    case WM_TIMER: MainDlg_OnTimer(window, wParam); return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK MainDialogProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) return MainDlg_OnInitDialog(hDlg, *reinterpret_cast<MainWindow*>(lParam));
    auto* window = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hDlg, DWLP_USER));
    return window && window->dialog ? DispatchMainDialog(*window, msg, wParam, lParam) : FALSE;
}

} // namespace

HWND CreateMainDialog(MainWindow& window, HWND frame)
{
    HWND dialog = CreateDialogParamA(window.resources.instance, MAKEINTRESOURCEA(IDD_MAIN), frame, MainDialogProc,
                                     reinterpret_cast<LPARAM>(&window));
    if (!dialog) return nullptr;
    if (window.settings.MovetoTrayAtStartup)
        SendMessageA(dialog, WM_SETREDRAW, FALSE, 0);
    else
        ShowWindow(dialog, SW_SHOW);
    RefreshView(window, Direction::Stay);
    return dialog;
}

void MinimiseMainWindowToTray(MainWindow& window)
{
    HWND main = window.dialog;
    if (!main || IsIconic(main) || !IsWindowVisible(main)) return;
    RECT r;
    GetWindowRect(main, &r);
    Win32Registry registry;
    SaveMainWindowPlacement(registry, r.left, r.top, r.right - r.left, r.bottom - r.top);
    ShowWindow(main, SW_MINIMIZE);
    ShowWindow(main, SW_HIDE);
    SendMessageA(main, WM_SETREDRAW, FALSE, 0);
}

void RestoreMainWindow(MainWindow& window, bool refresh)
{
    HWND main = window.dialog;
    if (!main) return;
    ShowWindow(main, SW_SHOW);
    ShowWindow(main, SW_RESTORE);
    SendMessageA(main, WM_SETREDRAW, TRUE, 0);
    SetForegroundWindow(main);
    if (refresh) RefreshView(window, Direction::Stay);
    RedrawWindow(main, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

} // namespace kivet
