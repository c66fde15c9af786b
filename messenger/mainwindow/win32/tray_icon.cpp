#include "messenger/mainwindow/win32/tray_icon.h"

#include <shellapi.h>

#include <cstdio>

#include "messenger/messages.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/language_menus.h"

namespace kivet {
namespace {

constexpr UINT kFirstTrayIcon = IDI_TRAY_NEW_3; // 334 ... 338

NOTIFYICONDATAA TrayRecord(HWND owner)
{
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE; // the record every shell version accepts
    data.hWnd = owner;
    data.uID = kTrayIconId;
    return data;
}

HICON TrayIconHandle(MainWindow& window, UINT id)
{
    if (id < kFirstTrayIcon || id >= kFirstTrayIcon + kTrayIconCount) return nullptr;
    HICON& icon = window.tray.icons[id - kFirstTrayIcon];
    if (!icon)
        icon = static_cast<HICON>(LoadImageA(window.resources.instance, MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
    return icon;
}

void Remember(TrayIconState& tray, UINT iconId, const char* tooltip)
{
    if (iconId) tray.shownIcon = iconId;
    lstrcpynA(tray.shownTooltip, tooltip, sizeof tray.shownTooltip);
}

} // namespace

void FormatTrayTooltip(char* buf, int size, int total, int unread)
{
    const char* format = Text(IDS_TRAY_TOOLTIP);
    std::snprintf(buf, static_cast<size_t>(size), *format ? format : "%d Messages, %d New", total, unread);
}

void AddTrayIcon(MainWindow& window, UINT iconId, const char* tooltip)
{
    NOTIFYICONDATAA data = TrayRecord(window.dialog);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kMsgTrayNotify;
    data.hIcon = TrayIconHandle(window, iconId);
    lstrcpynA(data.szTip, tooltip, 64);
    // An add the shell reported as failed (it timed out while busy at logon) may still have put the
    // icon there; then it can be changed, and counts as added.
    window.tray.added = Shell_NotifyIconA(NIM_ADD, &data) != FALSE || Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
    Remember(window.tray, iconId, tooltip);
}

void ModifyTrayIcon(MainWindow& window, UINT iconId, const char* tooltip)
{
    if (window.shuttingDown) return;
    TrayIconState& tray = window.tray;
    // An icon the shell refused at start-up (a taskbar not ready yet at logon) is added now.
    if (!tray.added) {
        AddTrayIcon(window, iconId ? iconId : (tray.shownIcon ? tray.shownIcon : IDI_TRAY_NORMAL), tooltip);
        return;
    }
    NOTIFYICONDATAA data = TrayRecord(window.dialog);
    data.uFlags = NIF_TIP | (iconId ? NIF_ICON : 0);
    data.hIcon = TrayIconHandle(window, iconId);
    lstrcpynA(data.szTip, tooltip, 64);
    Shell_NotifyIconA(NIM_MODIFY, &data);
    Remember(tray, iconId, tooltip);
}

void FreeTrayIcons(MainWindow& window)
{
    for (HICON& icon : window.tray.icons) {
        if (icon) DestroyIcon(icon);
        icon = nullptr;
    }
}

// Removed also when no add was confirmed: an icon the shell added without saying so must not stay.
void RemoveTrayIcon(MainWindow& window)
{
    NOTIFYICONDATAA data = TrayRecord(window.dialog);
    Shell_NotifyIconA(NIM_DELETE, &data);
    window.tray.added = false;
}

HMENU TrayMenu(const MainWindow& window)
{
    HMENU popups = LanguagePopupMenus(); // the tray menu (0) and the names menu (1)
    return popups ? GetSubMenu(popups, 0) : nullptr;
}

void ShowTrayMenu(MainWindow& window)
{
    HMENU tray = TrayMenu(window);
    if (!tray) return;
    POINT at;
    GetCursorPos(&at);
    SetForegroundWindow(window.dialog);
    SetMenuDefaultItem(tray, IDM_TRAY_OPEN, FALSE);
    TrackPopupMenu(tray, TPM_RIGHTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, window.dialog, nullptr);
    PostMessageA(window.dialog, WM_NULL, 0, 0);
}

} // namespace kivet
