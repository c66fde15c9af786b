#include "messenger/mainwindow/win32/main_view.h"

#include <commctrl.h>
#include <mmsystem.h>
#include <richedit.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "common/fixed_text.h"

#include "messenger/mainwindow/command_states.h"
#include "messenger/mainwindow/header_link.h"
#include "messenger/mainwindow/win32/main_commands.h"
#include "messenger/mainwindow/win32/main_dialog.h"
#include "messenger/mainwindow/win32/new_message_alerts.h"
#include "messenger/mainwindow/win32/rich_emoticons.h"
#include "messenger/mainwindow/win32/tray_icon.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/text_table.h"

namespace kivet {
namespace {

constexpr int kToolbarImages = 14;
constexpr int kButtonSize = 20;
constexpr int kStatusIconPartWidth = 25;

struct ToolbarEntry {
    int image;
    int disabledImage; // -1 when the button has no image of its own for the disabled state
    int command;
    BYTE style;
    uint32_t tooltip;
};

const ToolbarEntry kToolbar[] = {
    {0, -1, IDM_NEW, BTNS_BUTTON, IDS_TIP_NEW_MESSAGE},
    {1, -1, IDM_REPLY, BTNS_DROPDOWN, IDS_TIP_REPLY},
    {0, -1, 0, BTNS_SEP, 0},
    {2, 9, IDM_PREVIOUS, BTNS_BUTTON, IDS_TIP_PREVIOUS},
    {3, 10, IDM_NEXT, BTNS_BUTTON, IDS_TIP_NEXT},
    {4, 11, IDM_DELETE, BTNS_BUTTON, IDS_TIP_DELETE},
    {0, -1, 0, BTNS_SEP, 0},
    {5, 13, IDM_SEND_FILE, BTNS_BUTTON, IDS_TIP_TRANSFER},
    {7, -1, IDM_VIEW_HISTORY, BTNS_BUTTON, IDS_TIP_VIEW_HISTORY},
    {8, -1, IDM_AUTO_REPLY, BTNS_DROPDOWN, IDS_TIP_AUTO_REPLY},
    {0, -1, 0, BTNS_SEP, 0},
    {6, -1, IDM_OPTIONS, BTNS_BUTTON, IDS_TIP_OPTIONS},
};

const uint32_t kStatusTips[4] = {IDS_TIP_STATUS_MESSAGES, IDS_TIP_STATUS_CURRENT, IDS_TIP_STATUS_SECURE,
                                 IDS_TIP_STATUS_UNREAD};

HICON SmallIcon(const MainWindow& window, UINT id)
{
    return static_cast<HICON>(LoadImageA(window.resources.instance, MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
}

const char* RichEditClass(const MainWindow& window)
{
    return window.resources.richEditVersion1 ? "RichEdit" : "RichEdit20A";
}

HWND CreateToolbar(MainWindow& window)
{
    HINSTANCE instance = window.resources.instance;
    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                   WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER, 0, 0, 0, 0,
                                   window.dialog, reinterpret_cast<HMENU>(IDC_TOOLBAR), instance, nullptr);
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    window.view.images = ImageList_LoadImageA(instance, MAKEINTRESOURCEA(IDB_TOOLBAR), kButtonSize, kToolbarImages,
                                              RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION);
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(window.view.images));
    for (const ToolbarEntry& entry : kToolbar) {
        TBBUTTON button{};
        button.iBitmap = entry.image;
        button.idCommand = entry.command;
        button.fsState = entry.style == BTNS_SEP ? 0 : TBSTATE_ENABLED;
        button.fsStyle = entry.style;
        SendMessageA(toolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    }
    SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
    return toolbar;
}

HWND CreateHeader(const MainWindow& window)
{
    HWND header =
        CreateWindowExA(0, RichEditClass(window), "", WS_CHILD | WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL, 0, 0, 0, 0,
                        window.dialog, reinterpret_cast<HMENU>(IDC_HEADER), window.resources.instance, nullptr);
    if (!header) return nullptr;
    SendMessageA(header, EM_SETBKGNDCOLOR, 0, GetSysColor(COLOR_BTNFACE));
    SendMessageA(header, EM_SETEVENTMASK, 0, ENM_LINK | ENM_MOUSEEVENTS);
    SendMessageA(header, WM_SETFONT, reinterpret_cast<WPARAM>(window.resources.boldFont), FALSE);
    return header;
}

HWND CreateMessageText(const MainWindow& window)
{
    HWND text =
        CreateWindowExA(WS_EX_CLIENTEDGE, RichEditClass(window), "",
                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 0, 0,
                        window.dialog, reinterpret_cast<HMENU>(IDC_MESSAGE_TEXT), window.resources.instance, nullptr);
    if (!text) return nullptr;
    SendMessageA(text, EM_SETBKGNDCOLOR, 0, RGB(255, 255, 255));
    SendMessageA(text, EM_AUTOURLDETECT, TRUE, 0);
    SendMessageA(text, EM_SETEVENTMASK, 0, ENM_LINK);
    SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(window.resources.regularFont), FALSE);
    return text;
}

HWND CreateStatusBar(MainWindow& window)
{
    HWND status =
        CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, window.dialog,
                        reinterpret_cast<HMENU>(IDC_STATUS_BAR), window.resources.instance, nullptr);
    window.view.statusIcon = SmallIcon(window, IDI_TRAY_NORMAL);
    window.view.unreadIcon = SmallIcon(window, IDI_TRAY_NEW_3);
    window.view.padlock = SmallIcon(window, IDI_PADLOCK);
    return status;
}

// The four parts: a third of the width, two thirds, a 25-pixel icon part, the rest.
void SetStatusParts(const ViewControls& view, int width)
{
    int parts[4] = {width / 3, 2 * width / 3, 2 * width / 3 + kStatusIconPartWidth, -1};
    SendMessageA(view.status, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(parts));
    SendMessageA(view.status, SB_SETICON, 0, reinterpret_cast<LPARAM>(view.statusIcon));
    SendMessageA(view.status, SB_SETICON, 1, reinterpret_cast<LPARAM>(view.statusIcon));
    SendMessageA(view.status, SB_SETICON, 3, reinterpret_cast<LPARAM>(view.unreadIcon));
}

// Balloon tooltips over the status-bar parts, added again whenever the parts move.
void SetStatusTips(MainWindow& window)
{
    ViewControls& view = window.view;
    if (!view.tooltip) {
        view.tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_BALLOON,
                                       0, 0, 0, 0, window.dialog, nullptr, window.resources.instance, nullptr);
    }
    for (UINT part = 0; part < 4; ++part) {
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.hwnd = view.status;
        tool.uId = part;
        SendMessageA(view.tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        tool.uFlags = TTF_SUBCLASS;
        tool.hinst = nullptr;
        tool.lpszText = const_cast<char*>(Text(kStatusTips[part]));
        SendMessageA(view.status, SB_GETRECT, part, reinterpret_cast<LPARAM>(&tool.rect));
        SendMessageA(view.tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void SetStatusText(const ViewControls& view, int part, const std::string& text)
{
    SendMessageA(view.status, SB_SETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.c_str()));
}

std::string Format(uint32_t id, int value)
{
    char buf[200];
    std::snprintf(buf, sizeof buf, Text(id), value);
    return buf;
}

// The header reads "Message from <sender> to <recipient>", the sender as a link.
void ShowHeader(const ViewControls& view, const MessageRecord& record)
{
    char header[300];
    std::snprintf(header, sizeof header, Text(IDS_MESSAGE_HEADER), record.sender, record.recipient);
    SetWindowTextA(view.header, header);
    std::optional<TextSpan> sender = SenderSpan(Text(IDS_MESSAGE_HEADER), FieldText(record.sender));
    if (!sender) return;
    CHARRANGE range{static_cast<LONG>(sender->start), static_cast<LONG>(sender->start + sender->length)};
    SendMessageA(view.header, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2A link{};
    link.cbSize = sizeof link;
    link.dwMask = CFM_LINK;
    link.dwEffects = CFE_LINK;
    SendMessageA(view.header, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&link));
    CHARRANGE none{0, 0};
    SendMessageA(view.header, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&none));
}

void ShowEmptyStore(const MainWindow& window)
{
    const ViewControls& view = window.view;
    SetWindowTextA(view.header, Text(IDS_NO_MESSAGES));
    SetDlgItemTextA(window.dialog, IDC_DATE_VALUE, "");
    SetDlgItemTextA(window.dialog, IDC_DATE_CAPTION, "");
    SetRichTextWithEmoticons(view.text, "", *window.resources.emoticons);
    SetStatusText(view, 1, "");
    SetStatusText(view, 3, "");
    SendMessageA(view.status, SB_SETICON, 2, 0);
}

void ShowRecord(const MainWindow& window, const MessageRecord& record, const StoreCounts& counts)
{
    const ViewControls& view = window.view;
    ShowHeader(view, record);
    SetDlgItemTextA(window.dialog, IDC_DATE_VALUE, record.receivedAt);
    SetDlgItemTextA(window.dialog, IDC_DATE_CAPTION, Text(IDS_RECEIVED_CAPTION));
    SetRichTextWithEmoticons(view.text, record.text, *window.resources.emoticons);
    SetStatusText(view, 1, Format(IDS_STATUS_CURRENT, counts.current));
    SetStatusText(view, 3, Format(IDS_STATUS_NEW, counts.unread));
    SendMessageA(view.status, SB_SETICON, 2, record.secure ? reinterpret_cast<LPARAM>(view.padlock) : 0);
}

void UpdateTray(MainWindow& window, const StoreCounts& counts)
{
    const bool away = window.host.InAutoReplyMode();
    char tip[200];
    std::snprintf(tip, sizeof tip, Text(away ? IDS_TRAY_TOOLTIP_AUTO_REPLY : IDS_TRAY_TOOLTIP), counts.total,
                  counts.unread);
    // While the animation runs it chooses the icon; Auto-Reply mode pauses it.
    UINT icon = away ? IDI_TRAY_AUTOREPLY : (window.blinking.tray ? 0 : IDI_TRAY_NORMAL);
    ModifyTrayIcon(window, icon, tip);
}

void EnableMenuCommand(HMENU menu, UINT command, bool enabled)
{
    if (menu) EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void EnableToolbarButton(const ViewControls& view, int command, bool enabled)
{
    for (const ToolbarEntry& entry : kToolbar) {
        if (entry.command != command) continue;
        SendMessageA(view.toolbar, TB_ENABLEBUTTON, command, MAKELONG(enabled, 0));
        if (entry.disabledImage >= 0)
            SendMessageA(view.toolbar, TB_CHANGEBITMAP, command, enabled ? entry.image : entry.disabledImage);
    }
}

} // namespace

void CreateMainControls(MainWindow& window)
{
    window.view.toolbar = CreateToolbar(window);
    window.view.header = CreateHeader(window);
    window.view.status = CreateStatusBar(window);
    window.view.text = CreateMessageText(window);
    LayoutMainControls(window);
}

void DestroyMainControls(MainWindow& window)
{
    ViewControls& view = window.view;
    if (view.text) ReleaseEmoticonObjects(view.text);
    if (view.images) ImageList_Destroy(view.images);
    for (HICON icon : {view.statusIcon, view.unreadIcon, view.padlock})
        if (icon) DestroyIcon(icon);
    view = ViewControls{};
}

void LayoutMainControls(MainWindow& window)
{
    const ViewControls& view = window.view;
    if (!view.status) return;
    HWND mainDialog = window.dialog;
    RECT client;
    GetClientRect(mainDialog, &client);
    int width = client.right;
    SendMessageA(view.toolbar, TB_AUTOSIZE, 0, 0);
    SendMessageA(view.status, WM_SIZE, 0, 0);
    RECT bar, tools;
    GetWindowRect(view.status, &bar);
    GetWindowRect(view.toolbar, &tools);
    int statusHeight = bar.bottom - bar.top;
    int top = tools.bottom - tools.top + 2;
    int headerHeight = 20;
    MoveWindow(view.header, 6, top, width - 12, headerHeight, TRUE);
    top += headerHeight + 2;
    MoveWindow(GetDlgItem(mainDialog, IDC_DATE_CAPTION), 6, top, 60, 16, TRUE);
    MoveWindow(GetDlgItem(mainDialog, IDC_DATE_VALUE), 70, top, width - 76, 16, TRUE);
    top += 20;
    int separatorTop = client.bottom - statusHeight - 4;
    MoveWindow(view.text, 6, top, width - 12, separatorTop - top - 4, TRUE);
    MoveWindow(GetDlgItem(mainDialog, IDC_SEPARATOR), 0, separatorTop, width, 2, TRUE);
    SetStatusParts(view, width);
    SetStatusTips(window);
}

void RefreshView(MainWindow& window, Direction direction)
{
    HWND mainDialog = window.dialog;
    MessageStore& store = window.store;
    store.Move(direction);
    if (!IsIconic(mainDialog) && IsWindowVisible(mainDialog)) {
        store.MarkCurrentRead();
        std::optional<MessageRecord> current = store.CurrentRecord();
        if (current)
            ShowRecord(window, *current, store.Counts());
        else
            ShowEmptyStore(window);
    }
    StoreCounts counts = store.Counts();
    SetStatusText(window.view, 0, Format(IDS_STATUS_MESSAGES, counts.total));
    StopBlinkingWhenAllRead(window);
    UpdateTray(window, counts);
    UpdateCommandStates(window);
}

void UpdateCommandStates(MainWindow& window)
{
    StoreCounts counts = window.store.Counts();
    CommandStates s = ComputeCommandStates(counts.total, counts.current);
    HMENU menu = GetMenu(window.dialog);
    HMENU tray = TrayMenu(window);
    const struct {
        UINT main;
        UINT tray;
        bool enabled;
    } rows[] = {
        {IDM_DELETE, IDM_TRAY_DELETE, s.deleteMessage}, {IDM_DELETE_ALL, IDM_TRAY_DELETE_ALL, s.deleteAll},
        {IDM_PREVIOUS, IDM_TRAY_PREVIOUS, s.previous},  {IDM_NEXT, IDM_TRAY_NEXT, s.next},
        {IDM_MESSAGE_DETAILS, 0, s.messageDetails},     {IDM_BROWSE_COMPUTER, 0, s.browseComputer},
        {IDM_ADD_QUICK_LIST, 0, s.addToQuickList},      {IDM_ADD_IGNORE_LIST, 0, s.addToIgnoreList},
    };
    for (const auto& row : rows) {
        EnableMenuCommand(menu, row.main, row.enabled);
        if (row.tray) EnableMenuCommand(tray, row.tray, row.enabled);
    }
    EnableToolbarButton(window.view, IDM_PREVIOUS, s.previous);
    EnableToolbarButton(window.view, IDM_NEXT, s.next);
    EnableToolbarButton(window.view, IDM_DELETE, s.deleteMessage);
    DisableUnavailableCommands(window);
    DrawMenuBar(window.dialog);
}

AlertState CurrentAlertState(MainWindow& window)
{
    AlertState state;
    state.autoReplyMode = window.host.InAutoReplyMode();
    state.windowMinimised = IsIconic(window.dialog) || !IsWindowVisible(window.dialog);
    state.haveSoundFile = !window.soundPath.empty();
    state.trayBlinking = window.blinking.tray;
    state.scrollLockBlinking = window.blinking.scrollLock;
    state.unreadMessages = window.store.Counts().unread != 0;
    return state;
}

void NotifyNewMessage(MainWindow& window)
{
    ArrivalAlerts alerts = PlanArrivalAlerts(window.settings, CurrentAlertState(window));
    if (alerts.beep) Beep(700, 100);
    if (alerts.sound) sndPlaySoundA(window.soundPath.c_str(), SND_ASYNC | SND_NODEFAULT);
    if (alerts.popUp) RestoreMainWindow(window, false);
    if (alerts.jumpToNewest) window.store.MakeNewestCurrent();
    RefreshView(window, Direction::Stay);
}

const char* ToolbarTip(int command)
{
    for (const ToolbarEntry& entry : kToolbar)
        if (entry.command == command) return Text(entry.tooltip);
    return "";
}

} // namespace kivet
