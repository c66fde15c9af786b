#include "messenger/app/shutdown_host.h"

#include <windows.h>

#include "messenger/app/mailslot_setup_host.h"
#include "messenger/mainwindow/win32/main_dialog.h"
#include "messenger/mainwindow/win32/main_view.h"
#include "messenger/mainwindow/win32/rich_emoticons.h"
#include "messenger/mainwindow/win32/scroll_lock_light.h"
#include "messenger/mainwindow/win32/tray_icon.h"
#include "messenger/messages.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/ini_file_win32.h"
#include "messenger/runtime/win32/message_box_win32.h"
#include "messenger/runtime/win32/registry_store_win32.h"

namespace kivet {
namespace {

constexpr DWORD kWorkerWaitMs = 10000;

void CloseAndClear(HANDLE& handle)
{
    if (handle) CloseHandle(handle);
    handle = nullptr;
}

} // namespace

ShutdownState CurrentShutdownState(const Application& app)
{
    const Settings& s = app.settings;
    const Blinking& blinking = app.mainWindow->blinking;
    return {app.InAutoReplyMode(), blinking.tray, blinking.scrollLock, s.UseHotkey != 0, s.AcceptFiles != 0};
}

BoxAnswer Win32ShutdownHost::ShowBox(const BoxSpec& box)
{
    return ShowMessageBox(app_.MainDialog(), box);
}

const char* Win32ShutdownHost::Text(uint32_t id)
{
    return kivet::Text(id);
}

int Win32ShutdownHost::UnreadMessageCount()
{
    return app_.store.Counts().unread;
}

void Win32ShutdownHost::EmptyMessageStore()
{
    app_.store.Clear();
}

ShutdownState Win32ShutdownHost::State()
{
    return CurrentShutdownState(app_);
}

void Win32ShutdownHost::StopScrollLockBlinking()
{
    kivet::StopScrollLockBlinking(*app_.mainWindow);
}

void Win32ShutdownHost::RestoreMainWindow()
{
    kivet::RestoreMainWindow(*app_.mainWindow);
}

bool Win32ShutdownHost::MarkShuttingDown()
{
    bool first = !app_.mainWindow->shuttingDown;
    app_.mainWindow->shuttingDown = true;
    return first;
}

void Win32ShutdownHost::RemoveTrayIcon()
{
    kivet::RemoveTrayIcon(*app_.mainWindow);
}

void Win32ShutdownHost::ReleaseViewObjects()
{
    if (HWND text = app_.mainWindow->view.text) ReleaseEmoticonObjects(text);
}

void Win32ShutdownHost::DestroyChildWindows()
{
    HWND main = app_.MainDialog();
    if (!main) return;
    DestroyMainControls(*app_.mainWindow);
    while (HWND child = GetWindow(main, GW_CHILD))
        DestroyWindow(child);
}

// The dialog is hidden here and destroyed with the frame window once the message loop ends, so
// the timers and the hotkey of the steps that follow are still removed from a live window.
void Win32ShutdownHost::EndMainDialog()
{
    if (HWND main = app_.MainDialog()) ShowWindow(main, SW_HIDE);
}

void Win32ShutdownHost::KillTimer(uint32_t id)
{
    ::KillTimer(app_.MainDialog(), id);
}

void Win32ShutdownHost::StopTrayBlinking()
{
    app_.mainWindow->blinking.tray = false;
}

// The scan stops whatever it is doing; a thread still inside a network call is left to finish on
// its own and publishes nothing.
void Win32ShutdownHost::TerminateScanThread()
{
    if (app_.browser) app_.browser->StopScan();
}

void Win32ShutdownHost::CloseWorkerAndMailslotHandles()
{
    // The start-up worker fills the network state destroyed next; let it finish first.
    HANDLE& worker = app_.threads.startupWorker;
    if (worker && WaitForSingleObject(worker, kWorkerWaitMs) != WAIT_OBJECT_0)
        app_.browserInUse = true; // still working with it: the browser is left to the end of the process
    CloseAndClear(worker);
    CloseProgramMailslots(app_);
}

void Win32ShutdownHost::DestroyNetworkState()
{
    // The away name is taken off the adapter while the adapter state is still there.
    if (app_.InAutoReplyMode()) app_.lists->autoReply.LeaveAutoReplyMode();
    if (app_.lists) app_.lists->names.Flush();
    if (app_.browserInUse) {
        (void)app_.browser.release();
        (void)app_.sockets.release();
        return;
    }
    app_.browser.reset();
    app_.sockets.reset();
}

// The main window draws nothing of its own yet, so it holds no device contexts.
void Win32ShutdownHost::ReleaseGdiResources() {}

void Win32ShutdownHost::SaveSettings()
{
    const std::string& path = app_.files.iniPath;
    ProfileIniFile ini(path);
    SaveIniSettings(ini, app_.settings);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str()); // flush the system's cache
}

void Win32ShutdownHost::RemoveContextMenuVerb()
{
    Win32Registry registry;
    kivet::RemoveContextMenuVerb(registry);
}

void Win32ShutdownHost::UnregisterHotkey()
{
    UnregisterHotKey(app_.MainDialog(), kHotkeyMainWindow);
    app_.hotkeyRegistered = false;
}

// The transfer server starts with the transfer component.
void Win32ShutdownHost::StopTransferServer() {}

void Win32ShutdownHost::PostQuit()
{
    PostQuitMessage(0);
}

} // namespace kivet
