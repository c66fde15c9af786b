#include "messenger/mainwindow/win32/tray_icon.h"

#include <shellapi.h>

#include <cstdio>

#include "messenger/messages.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/program_state.h"

namespace kivet {
namespace {

NOTIFYICONDATAA TrayRecord(HWND owner)
{
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE; // the record every shell version accepts
    data.hWnd = owner;
    data.uID = kTrayIconId;
    return data;
}

constexpr UINT kFirstTrayIcon = IDI_TRAY_NEW_3; // 334 ... 338
constexpr UINT kTrayIconCount = 5;
HICON g_icons[kTrayIconCount] = {};

struct ShownTray {
    UINT icon = 0;
    char tooltip[64] = {};
};
ShownTray g_shown;

HICON TrayIconHandle(UINT id)
{
    if (id < kFirstTrayIcon || id >= kFirstTrayIcon + kTrayIconCount) return nullptr;
    HICON& icon = g_icons[id - kFirstTrayIcon];
    if (!icon)
        icon = static_cast<HICON>(LoadImageA(Program().instance, MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
    return icon;
}

void Remember(UINT iconId, const char* tooltip)
{
    if (iconId) g_shown.icon = iconId;
    lstrcpynA(g_shown.tooltip, tooltip, sizeof g_shown.tooltip);
}

} // namespace

void FormatTrayTooltip(char* buf, int size, int total, int unread)
{
    const char* format = Text(137);
    std::snprintf(buf, static_cast<size_t>(size), *format ? format : "%d Messages, %d New", total, unread);
}

void AddTrayIcon(HWND owner, UINT iconId, const char* tooltip)
{
    NOTIFYICONDATAA data = TrayRecord(owner);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kMsgTrayNotify;
    data.hIcon = TrayIconHandle(iconId);
    lstrcpynA(data.szTip, tooltip, 64);
    // An add the shell reported as failed (it timed out while busy at logon) may still have put the
    // icon there; then it can be changed, and counts as added.
    Program().trayIconAdded =
        Shell_NotifyIconA(NIM_ADD, &data) != FALSE || Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
    Remember(iconId, tooltip);
}

void ModifyTrayIcon(HWND owner, UINT iconId, const char* tooltip)
{
    if (Program().shutDown) return;
    // An icon the shell refused at start-up (a taskbar not ready yet at logon) is added now.
    if (!Program().trayIconAdded) {
        AddTrayIcon(owner, iconId ? iconId : (g_shown.icon ? g_shown.icon : IDI_TRAY_NORMAL), tooltip);
        return;
    }
    NOTIFYICONDATAA data = TrayRecord(owner);
    data.uFlags = NIF_TIP | (iconId ? NIF_ICON : 0);
    data.hIcon = TrayIconHandle(iconId);
    lstrcpynA(data.szTip, tooltip, 64);
    Shell_NotifyIconA(NIM_MODIFY, &data);
    Remember(iconId, tooltip);
}

void FreeTrayIcons()
{
    for (HICON& icon : g_icons) {
        if (icon) DestroyIcon(icon);
        icon = nullptr;
    }
}

UINT ShownTrayIcon()
{
    return g_shown.icon;
}

const char* ShownTrayTooltip()
{
    return g_shown.tooltip;
}

// Removed also when no add was confirmed: an icon the shell added without saying so must not stay.
void RemoveTrayIcon(HWND owner)
{
    NOTIFYICONDATAA data = TrayRecord(owner);
    Shell_NotifyIconA(NIM_DELETE, &data);
    Program().trayIconAdded = false;
}

void ShowTrayMenu(HWND owner, HMENU popupMenus)
{
    HMENU tray = popupMenus ? GetSubMenu(popupMenus, 0) : nullptr;
    if (!tray) return;
    POINT at;
    GetCursorPos(&at);
    SetForegroundWindow(owner);
    SetMenuDefaultItem(tray, IDM_TRAY_OPEN, FALSE);
    TrackPopupMenu(tray, TPM_RIGHTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
}

} // namespace kivet
