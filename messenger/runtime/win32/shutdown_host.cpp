#include "messenger/runtime/win32/shutdown_host.h"

#include <windows.h>

#include "messenger/browser/win32/network_state_win32.h"
#include "messenger/mainwindow/win32/main_dialog.h"
#include "messenger/mainwindow/win32/main_view.h"
#include "messenger/mainwindow/win32/rich_emoticons.h"
#include "messenger/mainwindow/win32/scroll_lock_light.h"
#include "messenger/store/message_store.h"
#include "messenger/mainwindow/win32/tray_icon.h"
#include "messenger/messages.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/settings.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/ini_file_win32.h"
#include "messenger/runtime/win32/message_box_win32.h"
#include "messenger/runtime/win32/program_state.h"
#include "messenger/runtime/win32/registry_store_win32.h"
#include "messenger/transport/win32/mailslot_setup_host.h"
#include "messenger/lists/win32/process_lists.h"

namespace kivet {
namespace {

constexpr DWORD kWorkerWaitMs = 10000;

void CloseAndClear(HANDLE& handle)
{
    if (handle) CloseHandle(handle);
    handle = nullptr;
}

} // namespace

ShutdownState CurrentShutdownState()
{
    const ProgramState& p = Program();
    const Settings& s = ProcessSettings();
    return {InAutoReplyMode(), p.trayBlinking, p.scrollLockBlinking, s.UseHotkey != 0, s.AcceptFiles != 0};
}

BoxAnswer Win32ShutdownHost::ShowBox(const BoxSpec& box)
{
    return ShowMessageBox(Program().mainDialog, box);
}

const char* Win32ShutdownHost::Text(uint32_t id)
{
    return kivet::Text(id);
}

int Win32ShutdownHost::UnreadMessageCount()
{
    return ProcessMessageStore().Counts().unread;
}
void Win32ShutdownHost::EmptyMessageStore()
{
    ProcessMessageStore().Clear();
}

ShutdownState Win32ShutdownHost::State()
{
    return CurrentShutdownState();
}

void Win32ShutdownHost::StopScrollLockBlinking()
{
    kivet::StopScrollLockBlinking(Program().mainDialog);
}

void Win32ShutdownHost::RestoreMainWindow()
{
    kivet::RestoreMainWindow();
}

bool Win32ShutdownHost::MarkShuttingDown()
{
    bool first = !Program().shutDown;
    Program().shutDown = true;
    return first;
}

void Win32ShutdownHost::RemoveTrayIcon()
{
    kivet::RemoveTrayIcon(Program().mainDialog);
}

void Win32ShutdownHost::ReleaseViewObjects()
{
    if (HWND text = MessageTextControl()) ReleaseEmoticonObjects(text);
}

void Win32ShutdownHost::DestroyChildWindows()
{
    HWND main = Program().mainDialog;
    if (!main) return;
    DestroyMainControls(main);
    while (HWND child = GetWindow(main, GW_CHILD))
        DestroyWindow(child);
}

// The dialog is hidden here and destroyed with the frame window once the message loop ends, so
// the timers and the hotkey of the steps that follow are still removed from a live window.
void Win32ShutdownHost::EndMainDialog()
{
    if (Program().mainDialog) ShowWindow(Program().mainDialog, SW_HIDE);
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
    // The start-up worker fills the network state destroyed next; let it finish first.
    ProgramState& p = Program();
    if (p.startupWorker && WaitForSingleObject(p.startupWorker, kWorkerWaitMs) != WAIT_OBJECT_0)
        p.networkInUse = true; // still writing into it: the state is left to the end of the process
    CloseAndClear(p.startupWorker);
    CloseProgramMailslots();
}

void Win32ShutdownHost::DestroyNetworkState()
{
    // The away name is taken off the adapter while the adapter state is still there.
    if (InAutoReplyMode()) ProcessAutoReplyMode().LeaveAutoReplyMode();
    if (Program().networkInUse) return;
    kivet::DestroyNetworkState(Program().network);
    Program().network = nullptr;
}

// The main window draws nothing of its own yet, so it holds no device contexts.
void Win32ShutdownHost::ReleaseGdiResources() {}

void Win32ShutdownHost::SaveSettings()
{
    const std::string& path = Program().iniPath;
    ProfileIniFile ini(path);
    SaveIniSettings(ini, ProcessSettings());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str()); // flush the system's cache
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
