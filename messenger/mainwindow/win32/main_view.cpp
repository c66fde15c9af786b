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
#include "messenger/mainwindow/win32/rich_emoticons.h"
#include "messenger/mainwindow/win32/scroll_lock_light.h"
#include "messenger/mainwindow/win32/tray_icon.h"
#include "messenger/messages.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/settings.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/program_state.h"
#include "messenger/lists/win32/process_lists.h"

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
    {0, -1, IDM_NEW, BTNS_BUTTON, 114},
    {1, -1, IDM_REPLY, BTNS_DROPDOWN, 115},
    {0, -1, 0, BTNS_SEP, 0},
    {2, 9, IDM_PREVIOUS, BTNS_BUTTON, 120},
    {3, 10, IDM_NEXT, BTNS_BUTTON, 121},
    {4, 11, IDM_DELETE, BTNS_BUTTON, 122},
    {0, -1, 0, BTNS_SEP, 0},
    {5, 13, IDM_SEND_FILE, BTNS_BUTTON, 280},
    {7, -1, IDM_VIEW_HISTORY, BTNS_BUTTON, 238},
    {8, -1, IDM_AUTO_REPLY, BTNS_DROPDOWN, 239},
    {0, -1, 0, BTNS_SEP, 0},
    {6, -1, IDM_OPTIONS, BTNS_BUTTON, 240},
};

const uint32_t kStatusTips[4] = {261, 262, 263, 275};

struct ViewControls {
    HWND toolbar = nullptr;
    HWND header = nullptr;
    HWND text = nullptr;
    HWND status = nullptr;
    HWND tooltip = nullptr;
    HIMAGELIST images = nullptr;
    HICON statusIcon = nullptr;    // parts 0 and 1
    HICON unreadIcon = nullptr;    // part 3
    HICON padlock = nullptr;       // part 2, secure messages only
};

ViewControls g_view;

HICON SmallIcon(UINT id)
{
    return static_cast<HICON>(LoadImageA(Program().instance, MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
}

const char* RichEditClass()
{
    return Program().richEditVersion1 ? "RichEdit" : "RichEdit20A";
}

HWND CreateToolbar(HWND mainDialog)
{
    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                   WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER, 0, 0, 0, 0,
                                   mainDialog, reinterpret_cast<HMENU>(IDC_TOOLBAR), Program().instance, nullptr);
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    g_view.images = ImageList_LoadImageA(Program().instance, MAKEINTRESOURCEA(IDB_TOOLBAR), kButtonSize, kToolbarImages,
                                         RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION);
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(g_view.images));
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

HWND CreateHeader(HWND mainDialog)
{
    HWND header = CreateWindowExA(0, RichEditClass(), "", WS_CHILD | WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL, 0, 0, 0,
                                  0, mainDialog, reinterpret_cast<HMENU>(IDC_HEADER), Program().instance, nullptr);
    if (!header) return nullptr;
    SendMessageA(header, EM_SETBKGNDCOLOR, 0, GetSysColor(COLOR_BTNFACE));
    SendMessageA(header, EM_SETEVENTMASK, 0, ENM_LINK | ENM_MOUSEEVENTS);
    SendMessageA(header, WM_SETFONT, reinterpret_cast<WPARAM>(Program().boldFont), FALSE);
    return header;
}

HWND CreateMessageText(HWND mainDialog)
{
    HWND text =
        CreateWindowExA(WS_EX_CLIENTEDGE, RichEditClass(), "",
                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 0, 0,
                        mainDialog, reinterpret_cast<HMENU>(IDC_MESSAGE_TEXT), Program().instance, nullptr);
    if (!text) return nullptr;
    SendMessageA(text, EM_SETBKGNDCOLOR, 0, RGB(255, 255, 255));
    SendMessageA(text, EM_AUTOURLDETECT, TRUE, 0);
    SendMessageA(text, EM_SETEVENTMASK, 0, ENM_LINK);
    SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(Program().regularFont), FALSE);
    return text;
}

HWND CreateStatusBar(HWND mainDialog)
{
    HWND status = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                  mainDialog, reinterpret_cast<HMENU>(IDC_STATUS_BAR), Program().instance, nullptr);
    g_view.statusIcon = SmallIcon(IDI_TRAY_NORMAL);
    g_view.unreadIcon = SmallIcon(IDI_TRAY_NEW_3);
    g_view.padlock = SmallIcon(IDI_PADLOCK);
    return status;
}

// The four parts: a third of the width, two thirds, a 25-pixel icon part, the rest.
void SetStatusParts(int width)
{
    int parts[4] = {width / 3, 2 * width / 3, 2 * width / 3 + kStatusIconPartWidth, -1};
    SendMessageA(g_view.status, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(parts));
    SendMessageA(g_view.status, SB_SETICON, 0, reinterpret_cast<LPARAM>(g_view.statusIcon));
    SendMessageA(g_view.status, SB_SETICON, 1, reinterpret_cast<LPARAM>(g_view.statusIcon));
    SendMessageA(g_view.status, SB_SETICON, 3, reinterpret_cast<LPARAM>(g_view.unreadIcon));
}

// Balloon tooltips over the status-bar parts, added again whenever the parts move.
void SetStatusTips(HWND mainDialog)
{
    if (!g_view.tooltip) {
        g_view.tooltip =
            CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_BALLOON, 0, 0, 0, 0,
                            mainDialog, nullptr, Program().instance, nullptr);
    }
    for (UINT part = 0; part < 4; ++part) {
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.hwnd = g_view.status;
        tool.uId = part;
        SendMessageA(g_view.tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        tool.uFlags = TTF_SUBCLASS;
        tool.hinst = nullptr;
        tool.lpszText = const_cast<char*>(Text(kStatusTips[part]));
        SendMessageA(g_view.status, SB_GETRECT, part, reinterpret_cast<LPARAM>(&tool.rect));
        SendMessageA(g_view.tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void SetStatusText(int part, const std::string& text)
{
    SendMessageA(g_view.status, SB_SETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.c_str()));
}

std::string Format(uint32_t id, int value)
{
    char buf[200];
    std::snprintf(buf, sizeof buf, Text(id), value);
    return buf;
}

// The header reads "Message from <sender> to <recipient>", the sender as a link.
void ShowHeader(const MessageRecord& record)
{
    char header[300];
    std::snprintf(header, sizeof header, Text(133), record.sender, record.recipient);
    SetWindowTextA(g_view.header, header);
    std::optional<TextSpan> sender = SenderSpan(Text(133), FieldText(record.sender));
    if (!sender) return;
    CHARRANGE range{static_cast<LONG>(sender->start), static_cast<LONG>(sender->start + sender->length)};
    SendMessageA(g_view.header, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2A link{};
    link.cbSize = sizeof link;
    link.dwMask = CFM_LINK;
    link.dwEffects = CFE_LINK;
    SendMessageA(g_view.header, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&link));
    CHARRANGE none{0, 0};
    SendMessageA(g_view.header, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&none));
}

void ShowEmptyStore(HWND mainDialog)
{
    SetWindowTextA(g_view.header, Text(132));
    SetDlgItemTextA(mainDialog, IDC_DATE_VALUE, "");
    SetDlgItemTextA(mainDialog, IDC_DATE_CAPTION, "");
    SetRichTextWithEmoticons(g_view.text, "");
    SetStatusText(1, "");
    SetStatusText(3, "");
    SendMessageA(g_view.status, SB_SETICON, 2, 0);
}

void ShowRecord(HWND mainDialog, const MessageRecord& record, const StoreCounts& counts)
{
    ShowHeader(record);
    SetDlgItemTextA(mainDialog, IDC_DATE_VALUE, record.receivedAt);
    SetDlgItemTextA(mainDialog, IDC_DATE_CAPTION, Text(186));
    SetRichTextWithEmoticons(g_view.text, record.text);
    SetStatusText(1, Format(134, counts.current));
    SetStatusText(3, Format(135, counts.unread));
    SendMessageA(g_view.status, SB_SETICON, 2, record.secure ? reinterpret_cast<LPARAM>(g_view.padlock) : 0);
}

// With nothing unread the tray returns to its normal icon and both blinkings stop.
void StopBlinkingWhenAllRead(HWND mainDialog)
{
    ProgramState& p = Program();
    if (ProcessMessageStore().Counts().unread != 0) return;
    if (p.trayBlinking) {
        KillTimer(mainDialog, kTimerTrayBlink);
        p.trayBlinking = false;
    }
    StopScrollLockBlinking(mainDialog);
}

void UpdateTray(HWND mainDialog, const StoreCounts& counts)
{
    ProgramState& p = Program();
    char tip[200];
    std::snprintf(tip, sizeof tip, Text(InAutoReplyMode() ? 212 : 137), counts.total, counts.unread);
    // While the animation runs it chooses the icon; Auto-Reply mode pauses it.
    UINT icon = InAutoReplyMode() ? IDI_TRAY_AUTOREPLY : (p.trayBlinking ? 0 : IDI_TRAY_NORMAL);
    ModifyTrayIcon(mainDialog, icon, tip);
}

void EnableMenuCommand(HMENU menu, UINT command, bool enabled)
{
    if (menu) EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void EnableToolbarButton(int command, bool enabled)
{
    for (const ToolbarEntry& entry : kToolbar) {
        if (entry.command != command) continue;
        SendMessageA(g_view.toolbar, TB_ENABLEBUTTON, command, MAKELONG(enabled, 0));
        if (entry.disabledImage >= 0)
            SendMessageA(g_view.toolbar, TB_CHANGEBITMAP, command, enabled ? entry.image : entry.disabledImage);
    }
}

} // namespace

void CreateMainControls(HWND mainDialog)
{
    g_view.toolbar = CreateToolbar(mainDialog);
    g_view.header = CreateHeader(mainDialog);
    g_view.status = CreateStatusBar(mainDialog);
    g_view.text = CreateMessageText(mainDialog);
    LayoutMainControls(mainDialog);
}

void DestroyMainControls(HWND)
{
    if (g_view.text) ReleaseEmoticonObjects(g_view.text);
    if (g_view.images) ImageList_Destroy(g_view.images);
    for (HICON icon : {g_view.statusIcon, g_view.unreadIcon, g_view.padlock})
        if (icon) DestroyIcon(icon);
    g_view = ViewControls{};
}

void LayoutMainControls(HWND mainDialog)
{
    if (!g_view.status) return;
    RECT client;
    GetClientRect(mainDialog, &client);
    int width = client.right;
    SendMessageA(g_view.toolbar, TB_AUTOSIZE, 0, 0);
    SendMessageA(g_view.status, WM_SIZE, 0, 0);
    RECT bar, tools;
    GetWindowRect(g_view.status, &bar);
    GetWindowRect(g_view.toolbar, &tools);
    int statusHeight = bar.bottom - bar.top;
    int top = tools.bottom - tools.top + 2;
    int headerHeight = 20;
    MoveWindow(g_view.header, 6, top, width - 12, headerHeight, TRUE);
    top += headerHeight + 2;
    MoveWindow(GetDlgItem(mainDialog, IDC_DATE_CAPTION), 6, top, 60, 16, TRUE);
    MoveWindow(GetDlgItem(mainDialog, IDC_DATE_VALUE), 70, top, width - 76, 16, TRUE);
    top += 20;
    int separatorTop = client.bottom - statusHeight - 4;
    MoveWindow(g_view.text, 6, top, width - 12, separatorTop - top - 4, TRUE);
    MoveWindow(GetDlgItem(mainDialog, IDC_SEPARATOR), 0, separatorTop, width, 2, TRUE);
    SetStatusParts(width);
    SetStatusTips(mainDialog);
}

void RefreshView(HWND mainDialog, Direction direction)
{
    MessageStore& store = ProcessMessageStore();
    store.Move(direction);
    if (!IsIconic(mainDialog) && IsWindowVisible(mainDialog)) {
        store.MarkCurrentRead();
        std::optional<MessageRecord> current = store.CurrentRecord();
        if (current)
            ShowRecord(mainDialog, *current, store.Counts());
        else
            ShowEmptyStore(mainDialog);
    }
    StoreCounts counts = store.Counts();
    SetStatusText(0, Format(136, counts.total));
    StopBlinkingWhenAllRead(mainDialog);
    UpdateTray(mainDialog, counts);
    UpdateCommandStates(mainDialog);
}

void UpdateCommandStates(HWND mainDialog)
{
    StoreCounts counts = ProcessMessageStore().Counts();
    CommandStates s = ComputeCommandStates(counts.total, counts.current);
    HMENU menu = GetMenu(mainDialog);
    HMENU tray = Program().popupMenus ? GetSubMenu(Program().popupMenus, 0) : nullptr;
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
    EnableToolbarButton(IDM_PREVIOUS, s.previous);
    EnableToolbarButton(IDM_NEXT, s.next);
    EnableToolbarButton(IDM_DELETE, s.deleteMessage);
    DisableUnavailableCommands(mainDialog);
    DrawMenuBar(mainDialog);
}

AlertState CurrentAlertState(HWND mainDialog)
{
    const ProgramState& p = Program();
    AlertState state;
    state.autoReplyMode = InAutoReplyMode();
    state.windowMinimised = IsIconic(mainDialog) || !IsWindowVisible(mainDialog);
    state.haveSoundFile = !p.soundPath.empty();
    state.trayBlinking = p.trayBlinking;
    state.scrollLockBlinking = p.scrollLockBlinking;
    state.unreadMessages = ProcessMessageStore().Counts().unread != 0;
    return state;
}

void NotifyNewMessage(HWND mainDialog)
{
    ArrivalAlerts alerts = PlanArrivalAlerts(ProcessSettings(), CurrentAlertState(mainDialog));
    if (alerts.beep) Beep(700, 100);
    if (alerts.sound) sndPlaySoundA(Program().soundPath.c_str(), SND_ASYNC | SND_NODEFAULT);
    if (alerts.popUp) RestoreMainWindow(false);
    if (alerts.jumpToNewest) ProcessMessageStore().MakeNewestCurrent();
    RefreshView(mainDialog, Direction::Stay);
}

HWND MessageTextControl()
{
    return g_view.text;
}
HWND HeaderControl()
{
    return g_view.header;
}

const char* ToolbarTip(int command)
{
    for (const ToolbarEntry& entry : kToolbar)
        if (entry.command == command) return Text(entry.tooltip);
    return "";
}

} // namespace kivet
