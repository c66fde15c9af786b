#include "messenger/runtime/win32/shutdown_host.h"

#include <windows.h>

#include <vector>

#include "messenger/browser/win32/network_state_win32.h"
#include "messenger/mainwindow/win32/main_dialog.h"
#include "messenger/mainwindow/win32/tray_icon.h"
#include "messenger/messages.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/settings.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/ini_file_win32.h"
#include "messenger/runtime/win32/message_box_win32.h"
#include "messenger/runtime/win32/program_state.h"
#include "messenger/runtime/win32/registry_store_win32.h"

namespace kivet {
namespace {

void CloseAndClear(HANDLE& handle)
{
    if (handle) CloseHandle(handle);
    handle = nullptr;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

} // namespace

ShutdownState CurrentShutdownState()
{
    const ProgramState& p = Program();
    const Settings& s = ProcessSettings();
    return {p.autoReplyMode, p.trayBlinking, s.UseHotkey != 0, s.AcceptFiles != 0};
}

BoxAnswer Win32ShutdownHost::ShowBox(const BoxSpec& box)
{
    return ShowMessageBox(Program().mainDialog, box);
}

const char* Win32ShutdownHost::Text(uint32_t id)
{
    return kivet::Text(id);
}

// The message store arrives with the message readers; until then nothing is ever unread.
int Win32ShutdownHost::UnreadMessageCount()
{
    return 0;
}
void Win32ShutdownHost::EmptyMessageStore() {}

void Win32ShutdownHost::RestoreMainWindow()
{
    kivet::RestoreMainWindow();
}

void Win32ShutdownHost::RemoveTrayIcon()
{
    kivet::RemoveTrayIcon(Program().mainDialog);
}

// The message view holds no embedded pictures yet.
void Win32ShutdownHost::ReleaseViewObjects() {}

void Win32ShutdownHost::DestroyChildWindows()
{
    std::vector<HWND> children;
    if (Program().mainDialog) EnumChildWindows(Program().mainDialog, CollectChild, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children)
        if (IsWindow(child) && GetParent(child) == Program().mainDialog) DestroyWindow(child);
}

void Win32ShutdownHost::EndMainDialog()
{
    ProgramState& p = Program();
    p.shuttingDown = true;
    if (p.mainDialog) DestroyWindow(p.mainDialog);
}

void Win32ShutdownHost::KillTimer(uint32_t id)
{
    ::KillTimer(Program().mainDialog, id);
}

void Win32ShutdownHost::StopTrayBlinking()
{
    Program().trayBlinking = false;
}

void Win32ShutdownHost::TerminateScanThread()
{
    ProgramState& p = Program();
    if (p.scanThread) TerminateThread(p.scanThread, 1);
    CloseAndClear(p.scanThread);
}

void Win32ShutdownHost::CloseWorkerAndMailslotHandles()
{
    CloseAndClear(Program().startupWorker);
}

void Win32ShutdownHost::DestroyNetworkState()
{
    kivet::DestroyNetworkState(Program().network);
    Program().network = nullptr;
}

// The main window draws nothing of its own yet, so it holds no device contexts.
void Win32ShutdownHost::ReleaseGdiResources() {}

void Win32ShutdownHost::SaveSettings()
{
    ProfileIniFile ini(Program().iniPath);
    SaveIniSettings(ini, ProcessSettings());
}

void Win32ShutdownHost::RemoveContextMenuVerb()
{
    Win32Registry registry;
    kivet::RemoveContextMenuVerb(registry);
}

void Win32ShutdownHost::UnregisterHotkey()
{
    UnregisterHotKey(Program().mainDialog, kHotkeyMainWindow);
    Program().hotkeyRegistered = false;
}

// The transfer server starts with the transfer component.
void Win32ShutdownHost::StopTransferServer() {}

void Win32ShutdownHost::PostQuit()
{
    PostQuitMessage(0);
}

} // namespace kivet
