#include "messenger/send/win32/send_dialog.h"

#include <commctrl.h>
#include <richedit.h>
#include <shellapi.h>
#include <windowsx.h>

#include <memory>
#include <string>
#include <vector>

#include "common/win32/win32_codec.h"
#include "messenger/mainwindow/message_links.h"
#include "messenger/mainwindow/win32/rich_emoticons.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/help_topics.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/help_viewer.h"
#include "messenger/runtime/win32/registry_store_win32.h"
#include "messenger/send/recipient_box.h"
#include "messenger/send/win32/dialog_scan_observer.h"
#include "messenger/send/win32/names_tree_view.h"
#include "messenger/send/win32/send_dialog_commands.h"
#include "messenger/send/win32/send_dialog_controls.h"
#include "messenger/send/win32/validation_balloon.h"

namespace kivet {
namespace {

constexpr LONG kLongestLink = 2048;

std::string WindowText(HWND window)
{
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

void SetCaptionFor(SendDialogState& s, const std::string& recipient)
{
    SetWindowTextA(s.dialog, SendDialogCaption(Text(IDS_SEND_DIALOG_CAPTION), recipient).c_str());
}

void SetWindowIcons(HWND dialog, HINSTANCE instance)
{
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(LoadIconA(instance, MAKEINTRESOURCEA(IDI_KIVET))));
    SendMessageA(dialog, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_KIVET), IMAGE_ICON, 16, 16, 0)));
}

Box WorkAreaOf(HWND window)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    return Box{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

// The saved position and size, kept inside the screen and never below the template size.
void RestorePlacement(SendDialogState& s)
{
    RECT created;
    GetWindowRect(s.dialog, &created);
    s.minimumSize = {created.right - created.left, created.bottom - created.top};
    Win32Registry registry;
    const Box box = OpeningBox(LoadSendDialogPlacement(registry),
                               Box{created.left, created.top, created.right, created.bottom}, WorkAreaOf(s.dialog));
    SetWindowPos(s.dialog, nullptr, box.left, box.top, box.Width(), box.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void SavePlacement(const SendDialogState& s)
{
    RECT r;
    GetWindowRect(s.dialog, &r);
    Win32Registry registry;
    SaveSendDialogPlacement(registry, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// The handed-over recipient selected in the box and the text in the editor.
void ApplyHandOver(SendDialogState& s)
{
    const SendHandOver* handOver = s.opening.handOver;
    if (!handOver) return;
    const std::string recipient(handOver->recipient, strnlen(handOver->recipient, sizeof handOver->recipient));
    const std::string text(handOver->text, strnlen(handOver->text, sizeof handOver->text));
    if (!recipient.empty()) {
        const std::size_t index = PlaceHandOverRecipient(s.boxEntries, recipient, SystemCodec());
        if (index == 0 && SendMessageA(s.recipient, CB_GETCOUNT, 0, 0) < static_cast<LRESULT>(s.boxEntries.size()))
            SendMessageA(s.recipient, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(s.boxEntries.front().c_str()));
        SendMessageA(s.recipient, CB_SETCURSEL, index, 0);
        SetCaptionFor(s, s.boxEntries[index]);
        s.recipientBefore = s.boxEntries[index];
    }
    if (text.empty()) return;
    if (const EmoticonBitmaps* pictures = s.host.Resources().emoticons)
        SetRichTextWithEmoticons(s.text, text.c_str(), *pictures);
    else
        SetWindowTextA(s.text, text.c_str());
}

bool HandOverNamesRecipient(const SendDialogState& s)
{
    return s.opening.handOver && s.opening.handOver->recipient[0] != '\0';
}

BOOL SendDlg_OnInitDialog(HWND hDlg, SendDialogState& s)
{
    SetWindowLongPtrA(hDlg, DWLP_USER, reinterpret_cast<LONG_PTR>(&s));
    s.dialog = hDlg;
    WriteAction("Interface initialization...");
    CreateSendControls(s);
    RefillRecipientBox(s);
    ApplyHandOver(s);
    if (s.opening.topmost) {
        SetWindowPos(hDlg, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(hDlg);
    }
    SetWindowIcons(hDlg, s.host.Resources().instance);
    SendMessageA(s.recipient, CB_LIMITTEXT, kRecipientBoxChars, 0);
    TreeView_SetImageList(s.tree, s.host.Resources().treeImages, TVSIL_NORMAL);
    RebuildNamesTree(s);
    RememberTemplateLayout(s);
    RestorePlacement(s);
    LayoutSendControls(s);
    ShowStatusParts(s, s.host.ScanFigures());
    s.scanObserver = std::make_shared<DialogScanObserver>(hDlg);
    s.host.WatchScans(s.scanObserver);
    SetFocus(HandOverNamesRecipient(s) ? s.text : s.recipient);
    WriteAction("Interface initialization complete.");
    return FALSE; // the focus is set
}

// Typing in the recipient box: completion while the text grows, the caption follows, Send waits.
void SendDlg_OnRecipientEdited(SendDialogState& s)
{
    const std::string typed = WindowText(s.recipient);
    const std::optional<Completion> completion = CompleteRecipient(s.boxEntries, s.recipientBefore, typed, SystemCodec());
    s.recipientBefore = typed;
    if (completion) {
        SendMessageA(s.recipient, CB_SETCURSEL, completion->index, 0);
        SendMessageA(s.recipient, CB_SETEDITSEL, 0, MAKELPARAM(completion->selectionStart, -1));
    }
    SetCaptionFor(s, WindowText(s.recipient));
    if (!typed.empty() && !SendRunning(s)) EnableWindow(GetDlgItem(s.dialog, IDC_SEND_BUTTON), TRUE);
}

void SendDlg_OnRecipientChosen(SendDialogState& s)
{
    const LRESULT index = SendMessageA(s.recipient, CB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<std::size_t>(index) >= s.boxEntries.size()) return;
    s.recipientBefore = s.boxEntries[static_cast<std::size_t>(index)];
    SetCaptionFor(s, s.recipientBefore);
}

void SendDlg_OnCancel(SendDialogState& s)
{
    WriteAction("Close sending message window.");
    SavePlacement(s);
    if (s.text) ReleaseEmoticonObjects(s.text);
    EndDialog(s.dialog, IDCANCEL);
}

// Screen point under (or beside) a text command's button: the toolbar's or the stand-in button's.
POINT ButtonCorner(const SendDialogState& s, int command, bool beside)
{
    RECT r{};
    if (IsWindowVisible(s.textToolbar)) {
        SendMessageA(s.textToolbar, TB_GETRECT, command, reinterpret_cast<LPARAM>(&r));
        MapWindowPoints(s.textToolbar, nullptr, reinterpret_cast<POINT*>(&r), 2);
    } else {
        GetWindowRect(GetDlgItem(s.dialog, command), &r);
    }
    return beside ? POINT{r.right, r.top} : POINT{r.left, r.bottom};
}

void SendDlg_OnCommand(SendDialogState& s, WORD id, WORD code)
{
    switch (id) {
    case IDC_SEND_BUTTON: SendCommand(s); return;
    case IDCANCEL: SendDlg_OnCancel(s); return;
    case IDC_SEND_QUICK: PasteQuickAnswerCommand(s, ButtonCorner(s, IDC_SEND_QUICK, false)); return;
    case IDC_SEND_EMOTIONS: InsertEmotionCommand(s, ButtonCorner(s, IDC_SEND_EMOTIONS, true)); return;
    case IDC_SEND_RECIPIENT:
        if (code == CBN_EDITCHANGE) SendDlg_OnRecipientEdited(s);
        if (code == CBN_SELCHANGE) SendDlg_OnRecipientChosen(s);
        return;
    }
    RunTreeCommand(s, id);
}

// A name selected in the tree goes into the recipient box and the caption; the buttons follow.
void SendDlg_OnTreeSelected(SendDialogState& s, HTREEITEM item)
{
    s.selection = NamesTreeItem(s.tree, item);
    UpdateTreeButtons(s);
    const std::string name = s.selection.any ? RecipientOfTreeItem(s.selection.text, s.selection.value,
                                                                   Text(IDS_OFFLINE_SUFFIX))
                                             : std::string();
    if (name.empty()) return;
    SetWindowTextA(s.recipient, name.c_str());
    s.recipientBefore = name;
    SetCaptionFor(s, name);
}

void SendDlg_OnTreeRightClick(SendDialogState& s)
{
    TVHITTESTINFO hit{};
    GetCursorPos(&hit.pt);
    const POINT screen = hit.pt;
    ScreenToClient(s.tree, &hit.pt);
    if (HTREEITEM item = TreeView_HitTest(s.tree, &hit)) TreeView_SelectItem(s.tree, item);
    ShowTreeMenu(s, screen);
}

void SendDlg_OnTreeDoubleClick(SendDialogState& s)
{
    if (s.selection.any && s.selection.value >= kNetworkGroupItemBase) RunTreeCommand(s, IDM_TREE_DETAILS);
}

LRESULT SendDlg_OnLink(SendDialogState& s, const ENLINK& link)
{
    if (link.msg != WM_LBUTTONDOWN) return 0;
    const LONG length = link.chrg.cpMax - link.chrg.cpMin;
    if (length <= 0 || length > kLongestLink) return 0;
    std::vector<char> url(2 * static_cast<size_t>(length) + 2, '\0');
    TEXTRANGEA range{link.chrg, url.data()};
    SendMessageA(s.text, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    if (IsOpenableLink(url.data())) ShellExecuteA(s.dialog, "open", url.data(), nullptr, nullptr, SW_SHOWNORMAL);
    return 1;
}

LRESULT SendDlg_OnNotify(SendDialogState& s, NMHDR* header)
{
    switch (header->code) {
    case TTN_GETDISPINFOA:
        reinterpret_cast<NMTTDISPINFOA*>(header)->lpszText =
            const_cast<char*>(SendToolbarTip(static_cast<int>(header->idFrom)));
        return 0;
    case TBN_DROPDOWN:
        if (reinterpret_cast<NMTOOLBARA*>(header)->iItem == IDC_SEND_QUICK)
            PasteQuickAnswerCommand(s, ButtonCorner(s, IDC_SEND_QUICK, false));
        return TBDDRET_DEFAULT;
    case EN_LINK: return SendDlg_OnLink(s, *reinterpret_cast<ENLINK*>(header));
    case TVN_SELCHANGEDA: SendDlg_OnTreeSelected(s, reinterpret_cast<NMTREEVIEWA*>(header)->itemNew.hItem); return 0;
    case TVN_ITEMEXPANDEDA: OnNamesTreeExpanded(s.tree, *reinterpret_cast<NMTREEVIEWA*>(header)); return 0;
    case NM_RCLICK:
        if (header->hwndFrom == s.tree) SendDlg_OnTreeRightClick(s);
        return 1;
    case NM_DBLCLK:
        if (header->hwndFrom == s.tree) SendDlg_OnTreeDoubleClick(s);
        return 0;
    }
    return 0;
}

// Ctrl+Enter and Ctrl+B belong to the dialog while it is the active window.
void SendDlg_OnActivate(SendDialogState& s, bool active)
{
    if (active) {
        RegisterHotKey(s.dialog, kHotkeySend, MOD_CONTROL, VK_RETURN);
        RegisterHotKey(s.dialog, kHotkeyBrowse, MOD_CONTROL, 'B');
    } else {
        UnregisterHotKey(s.dialog, kHotkeySend);
        UnregisterHotKey(s.dialog, kHotkeyBrowse);
    }
}

void SendDlg_OnHotkey(SendDialogState& s, WPARAM id)
{
    if (id == kHotkeySend) SendCommand(s);
    if (id == kHotkeyBrowse) RunTreeCommand(s, IDM_TREE_BROWSE);
}

void SendDlg_OnScanTree(SendDialogState& s, LPARAM report)
{
    std::unique_ptr<std::vector<TreeItem>> items(reinterpret_cast<std::vector<TreeItem>*>(report));
    RebuildNamesTree(s, items.get());
}

void SendDlg_OnScanStatus(SendDialogState& s, LPARAM report)
{
    std::unique_ptr<std::vector<StatusPart>> parts(reinterpret_cast<std::vector<StatusPart>*>(report));
    if (!SendRunning(s)) ShowStatusParts(s, *parts); // "Sending message..." stays while a send runs
}

// Files dropped on the dialog go to the file transfer, which is not part of the program.
void SendDlg_OnDropFiles(HDROP drop)
{
    DragFinish(drop);
}

void SendDlg_OnDestroy(SendDialogState& s)
{
    SendDlg_OnActivate(s, false);
    KillTimer(s.dialog, kBalloonTimer);
    if (s.scanObserver) s.scanObserver->Detach();
    s.host.WatchScans(nullptr);
    DiscardPostedScanReports(s.dialog);
    ReleaseSendControls(s);
}

INT_PTR DispatchSendDialog(SendDialogState& s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    HWND hDlg = s.dialog;
    switch (msg) {
    case WM_COMMAND: SendDlg_OnCommand(s, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_NOTIFY: return SetDlgMsgResult(hDlg, msg, SendDlg_OnNotify(s, reinterpret_cast<NMHDR*>(lParam)));
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED && !s.placed.empty()) LayoutSendControls(s);
        return TRUE;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {s.minimumSize.cx, s.minimumSize.cy};
        return TRUE;
    case WM_ACTIVATE: SendDlg_OnActivate(s, LOWORD(wParam) != WA_INACTIVE); return FALSE;
    case WM_HOTKEY: SendDlg_OnHotkey(s, wParam); return TRUE;
    case WM_HELP: ShowHelpTopic(kHelpSendDialog); return TRUE;
    case WM_TIMER:
        if (wParam == kBalloonTimer) HideValidationBalloon(s);
        return TRUE;
    case WM_DROPFILES: SendDlg_OnDropFiles(reinterpret_cast<HDROP>(wParam)); return TRUE;
    case kMsgScanStatus: SendDlg_OnScanStatus(s, lParam); return TRUE;
    case kMsgScanTree: SendDlg_OnScanTree(s, lParam); return TRUE;
    case kMsgSendFinished: ShowStatusParts(s, s.host.ScanFigures()); return TRUE;
    case WM_DESTROY: SendDlg_OnDestroy(s); return FALSE;
    }
    return FALSE;
}

INT_PTR CALLBACK SendDialogProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) return SendDlg_OnInitDialog(hDlg, *reinterpret_cast<SendDialogState*>(lParam));
    auto* state = reinterpret_cast<SendDialogState*>(GetWindowLongPtrA(hDlg, DWLP_USER));
    return state && state->dialog ? DispatchSendDialog(*state, msg, wParam, lParam) : FALSE;
}

} // namespace

SendDialogState& SendDialogStateOf(HWND dialog)
{
    return *reinterpret_cast<SendDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void RunSendDialog(HWND owner, SendDialogHost& host, const SendDialogOpening& opening)
{
    WriteAction("Open sending message dialog.");
    SendDialogState state(host, opening);
    DialogBoxParamA(host.Resources().instance, MAKEINTRESOURCEA(IDD_SEND), owner, SendDialogProc,
                    reinterpret_cast<LPARAM>(&state));
    if (state.launcher) CloseHandle(state.launcher);
}

} // namespace kivet
