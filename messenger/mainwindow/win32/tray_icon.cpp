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

} // namespace

void FormatTrayTooltip(char* buf, int size, int total, int unread)
{
    const char* format = Text(137);
    std::snprintf(buf, static_cast<size_t>(size), *format ? format : "%d Messages, %d New", total, unread);
}

void AddTrayIcon(HWND owner, HICON icon, const char* tooltip)
{
    NOTIFYICONDATAA data = TrayRecord(owner);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kMsgTrayNotify;
    data.hIcon = icon;
    lstrcpynA(data.szTip, tooltip, 64);
    Program().trayIconAdded = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

void ModifyTrayIcon(HWND owner, HICON icon, const char* tooltip)
{
    if (Program().shutDown) return;
    // An icon the shell refused at start-up (a taskbar not ready yet at logon) is added now.
    if (!Program().trayIconAdded) {
        AddTrayIcon(owner, icon ? icon : Program().trayIcon, tooltip);
        return;
    }
    NOTIFYICONDATAA data = TrayRecord(owner);
    data.uFlags = NIF_TIP | (icon ? NIF_ICON : 0);
    data.hIcon = icon;
    lstrcpynA(data.szTip, tooltip, 64);
    Shell_NotifyIconA(NIM_MODIFY, &data);
}

void RemoveTrayIcon(HWND owner)
{
    if (!Program().trayIconAdded) return;
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
