#include "messenger/send/win32/send_dialog_controls.h"

#include <commctrl.h>
#include <richedit.h>
#include <shellapi.h>

#include "messenger/resources/resource.h"
#include "messenger/runtime/os_family.h"
#include "messenger/runtime/text_table.h"

namespace kivet {
namespace {

constexpr int kTextButtonWidth = 25;
constexpr int kTreeButtonWidth = 20;
constexpr int kButtonHeight = 20;
constexpr LONG kMessageTextChars = 5000;

struct ToolbarButton {
    int command;
    int image;
    BYTE style;
    bool enabled;
};

// Paste Quick Answer opens its menu from the whole button.
constexpr ToolbarButton kTextButtons[] = {
    {IDC_SEND_QUICK, 0, BTNS_WHOLEDROPDOWN, true},
    {IDC_SEND_EMOTIONS, 1, BTNS_BUTTON, true},
};
// Details, Browse and Read Auto-Reply wait for a name to be selected; the transfer component
// is not part of the program.
constexpr ToolbarButton kTreeButtons[] = {
    {IDM_TREE_DETAILS, 0, BTNS_BUTTON, false},  {IDM_TREE_BROWSE, 1, BTNS_BUTTON, false},
    {IDM_TREE_READ_AUTO_REPLY, 2, BTNS_BUTTON, false}, {IDM_TREE_TRANSFER, 3, BTNS_BUTTON, false},
    {IDM_TREE_REFRESH, 4, BTNS_BUTTON, true},
};

RECT ChildRect(HWND dialog, HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The placeholder's place, and the placeholder gone.
RECT TakePlaceholder(HWND dialog, int id, HWND* insertAfter)
{
    HWND place = GetDlgItem(dialog, id);
    RECT r = ChildRect(dialog, place);
    *insertAfter = GetWindow(place, GW_HWNDPREV);
    DestroyWindow(place);
    return r;
}

template <std::size_t N>
HWND CreateToolbarAt(SendDialogState& s, int id, int bitmap, int imageWidth, const ToolbarButton (&buttons)[N])
{
    HWND after = nullptr;
    const RECT r = TakePlaceholder(s.dialog, id, &after);
    HINSTANCE instance = s.host.Resources().instance;
    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                   WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER |
                                       CCS_NORESIZE | CCS_NOPARENTALIGN,
                                   r.left, r.top, r.right - r.left, r.bottom - r.top, s.dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SetWindowPos(toolbar, after ? after : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    HIMAGELIST images = ImageList_LoadImageA(instance, MAKEINTRESOURCEA(bitmap), imageWidth, static_cast<int>(N),
                                             RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION);
    SendMessageA(toolbar, TB_SETBITMAPSIZE, 0, MAKELONG(imageWidth, kButtonHeight));
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    for (const ToolbarButton& b : buttons) {
        TBBUTTON button{};
        button.iBitmap = b.image;
        button.idCommand = b.command;
        button.fsState = b.enabled ? TBSTATE_ENABLED : 0;
        button.fsStyle = b.style;
        SendMessageA(toolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    }
    return toolbar;
}

// The text toolbar, or on Windows 95 and 98 the two buttons with their pictures.
void CreateTextCommands(SendDialogState& s)
{
    s.textToolbar = CreateToolbarAt(s, IDC_SEND_TEXT_TOOLBAR, IDB_SEND_TEXT_TOOLBAR, kTextButtonWidth, kTextButtons);
    const OsFamily os = CurrentOsFamily();
    if (os != kOsWin95 && os != kOsWin98) return;
    ShowWindow(s.textToolbar, SW_HIDE);
    HINSTANCE instance = s.host.Resources().instance;
    s.quickPicture = static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(IDB_SEND_QUICK), IMAGE_BITMAP, 0, 0, 0));
    s.emotionsPicture =
        static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(IDB_SEND_EMOTIONS), IMAGE_BITMAP, 0, 0, 0));
    SendDlgItemMessageA(s.dialog, IDC_SEND_QUICK, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(s.quickPicture));
    SendDlgItemMessageA(s.dialog, IDC_SEND_EMOTIONS, BM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(s.emotionsPicture));
    ShowWindow(GetDlgItem(s.dialog, IDC_SEND_QUICK), SW_SHOW);
    ShowWindow(GetDlgItem(s.dialog, IDC_SEND_EMOTIONS), SW_SHOW);
}

void CreateBalloonTooltip(SendDialogState& s)
{
    s.balloon = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP | TTS_BALLOON, 0, 0,
                                0, 0, s.dialog, nullptr, s.host.Resources().instance, nullptr);
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_IDISHWND;
    tool.hwnd = s.dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(s.dialog);
    tool.lpszText = const_cast<char*>("");
    SendMessageA(s.balloon, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(s.balloon, TTM_SETMAXTIPWIDTH, 0, 300);
}

void SetTexts(SendDialogState& s)
{
    SetWindowTextA(s.dialog, Text(IDS_SEND_DIALOG_CAPTION));
    SetDlgItemTextA(s.dialog, IDC_SEND_RECIPIENT_LABEL, Text(IDS_RECIPIENT_LABEL));
    SetDlgItemTextA(s.dialog, IDC_SEND_MESSAGE_LABEL, Text(IDS_MESSAGE_LABEL));
    SetDlgItemTextA(s.dialog, IDC_SEND_BUTTON, Text(IDS_SEND_BUTTON));
    SetDlgItemTextA(s.dialog, IDCANCEL, Text(IDS_CANCEL_BUTTON));
}

void CreateMessageText(SendDialogState& s)
{
    HWND after = nullptr;
    const RECT r = TakePlaceholder(s.dialog, IDC_SEND_TEXT, &after);
    const SendDialogResources& res = s.host.Resources();
    s.text = CreateWindowExA(WS_EX_CLIENTEDGE, res.richEditVersion1 ? "RichEdit" : "RichEdit20A", "",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
                                 ES_WANTRETURN,
                             r.left, r.top, r.right - r.left, r.bottom - r.top, s.dialog,
                             reinterpret_cast<HMENU>(IDC_SEND_TEXT), res.instance, nullptr);
    if (!s.text) return;
    SetWindowPos(s.text, after ? after : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageA(s.text, WM_SETFONT, reinterpret_cast<WPARAM>(res.regularFont), FALSE);
    SendMessageA(s.text, EM_AUTOURLDETECT, TRUE, 0);
    SendMessageA(s.text, EM_SETBKGNDCOLOR, 0, RGB(255, 255, 255));
    SendMessageA(s.text, EM_SETEVENTMASK, 0, ENM_LINK);
    CHARFORMATA black{};
    black.cbSize = sizeof black;
    black.dwMask = CFM_COLOR;
    black.crTextColor = RGB(0, 0, 0);
    SendMessageA(s.text, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&black));
    SendMessageA(s.text, EM_EXLIMITTEXT, 0, kMessageTextChars);
}

void CreateStatusBar(SendDialogState& s)
{
    s.status = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, s.dialog,
                               reinterpret_cast<HMENU>(IDC_SEND_STATUS), s.host.Resources().instance, nullptr);
}

// How each control follows the surplus: the left column (recipient, text) widens, the tree column
// moves right and grows downwards, the buttons keep to the bottom right of the text.
struct ControlAnchor {
    int id;
    Anchor anchor;
};
constexpr ControlAnchor kAnchors[] = {
    {IDC_SEND_RECIPIENT, {false, false, true, false}},  {IDC_SEND_TEXT_TOOLBAR, {true, false, false, false}},
    {IDC_SEND_QUICK, {true, false, false, false}},      {IDC_SEND_EMOTIONS, {true, false, false, false}},
    {IDC_SEND_TEXT, {false, false, true, true}},        {IDC_SEND_BUTTON, {true, true, false, false}},
    {IDCANCEL, {true, true, false, false}},             {IDC_SEND_TREE_TOOLBAR, {true, false, false, false}},
    {IDC_SEND_TREE, {true, false, false, true}},
};

HICON SmallIcon(HINSTANCE instance, int id)
{
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
}

} // namespace

void CreateSendControls(SendDialogState& s)
{
    s.treeToolbar = CreateToolbarAt(s, IDC_SEND_TREE_TOOLBAR, IDB_SEND_TREE_TOOLBAR, kTreeButtonWidth, kTreeButtons);
    CreateTextCommands(s);
    DragAcceptFiles(s.dialog, TRUE);
    CreateBalloonTooltip(s);
    SetTexts(s);
    CreateMessageText(s);
    s.recipient = GetDlgItem(s.dialog, IDC_SEND_RECIPIENT);
    s.tree = GetDlgItem(s.dialog, IDC_SEND_TREE);
    CreateStatusBar(s);
}

void RememberTemplateLayout(SendDialogState& s)
{
    RECT client;
    GetClientRect(s.dialog, &client);
    s.templateClient = {client.right, client.bottom};
    s.placed.clear();
    for (const ControlAnchor& a : kAnchors) {
        HWND control = GetDlgItem(s.dialog, a.id);
        if (!control) continue;
        const RECT r = ChildRect(s.dialog, control);
        s.placed.push_back({control, Box{r.left, r.top, r.right, r.bottom}, a.anchor});
    }
}

void LayoutSendControls(SendDialogState& s)
{
    RECT client;
    GetClientRect(s.dialog, &client);
    const int32_t surplusX = client.right - s.templateClient.cx;
    const int32_t surplusY = client.bottom - s.templateClient.cy;
    HDWP moves = BeginDeferWindowPos(static_cast<int>(s.placed.size()));
    for (const PlacedControl& p : s.placed) {
        const Box b = FollowSurplus(p.original, p.anchor, surplusX, surplusY);
        if (moves)
            moves = DeferWindowPos(moves, p.window, nullptr, b.left, b.top, b.Width(), b.Height(),
                                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves) EndDeferWindowPos(moves);
    if (s.status) SendMessageA(s.status, WM_SIZE, 0, 0);
    InvalidateRect(s.dialog, nullptr, TRUE);
}

void ShowStatusParts(SendDialogState& s, const std::vector<StatusPart>& parts)
{
    if (!s.status) return;
    constexpr int kPartWidth[] = {110, 200, -1};
    int edges[3];
    const int count = parts.empty() ? 1 : static_cast<int>(std::min<std::size_t>(parts.size(), 3));
    for (int i = 0; i < count; ++i) edges[i] = i + 1 == count ? -1 : kPartWidth[i];
    SendMessageA(s.status, SB_SETPARTS, count, reinterpret_cast<LPARAM>(edges));
    HINSTANCE instance = s.host.Resources().instance;
    for (int i = 0; i < count; ++i) {
        const StatusPart part = i < static_cast<int>(parts.size()) ? parts[i] : StatusPart{};
        if (s.statusIcons[i]) DestroyIcon(s.statusIcons[i]);
        s.statusIcons[i] = part.icon ? SmallIcon(instance, part.icon) : nullptr;
        SendMessageA(s.status, SB_SETICON, i, reinterpret_cast<LPARAM>(s.statusIcons[i]));
        SendMessageA(s.status, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(part.text.c_str()));
    }
}

const char* SendToolbarTip(int command)
{
    switch (command) {
    case IDC_SEND_QUICK: return Text(IDS_TIP_PASTE_QUICK_ANSWER);
    case IDC_SEND_EMOTIONS: return Text(IDS_TIP_INSERT_EMOTION);
    case IDM_TREE_DETAILS: return Text(IDS_TIP_DETAILS);
    case IDM_TREE_BROWSE: return Text(IDS_TIP_BROWSE);
    case IDM_TREE_READ_AUTO_REPLY: return Text(IDS_TIP_READ_AUTO_REPLY);
    case IDM_TREE_TRANSFER: return Text(IDS_TIP_TRANSFER);
    case IDM_TREE_REFRESH: return Text(IDS_TIP_REFRESH);
    }
    return "";
}

void ReleaseSendControls(SendDialogState& s)
{
    for (HWND toolbar : {s.textToolbar, s.treeToolbar}) {
        if (!toolbar) continue;
        HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0));
        DestroyWindow(toolbar);
        if (images) ImageList_Destroy(images);
    }
    s.textToolbar = s.treeToolbar = nullptr;
    if (s.balloon) DestroyWindow(s.balloon);
    s.balloon = nullptr;
    if (s.status) DestroyWindow(s.status);
    s.status = nullptr;
    for (HICON& icon : s.statusIcons) {
        if (icon) DestroyIcon(icon);
        icon = nullptr;
    }
    if (s.quickPicture) DeleteObject(s.quickPicture);
    if (s.emotionsPicture) DeleteObject(s.emotionsPicture);
    s.quickPicture = s.emotionsPicture = nullptr;
}

} // namespace kivet
