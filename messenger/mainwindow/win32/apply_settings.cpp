#include "messenger/mainwindow/win32/apply_settings.h"

#include "messenger/lists/win32/process_lists.h"
#include "messenger/mainwindow/win32/main_commands.h"
#include "messenger/mainwindow/win32/main_view.h"
#include "messenger/messages.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/settings.h"
#include "messenger/runtime/win32/program_state.h"
#include "messenger/runtime/win32/registry_store_win32.h"

namespace kivet {
namespace {

std::string WindowsFolder()
{
    char folder[MAX_PATH] = {};
    UINT n = GetWindowsDirectoryA(folder, sizeof folder);
    return std::string(folder, n < sizeof folder ? n : 0);
}

void ApplyWindowOrder(HWND mainDialog, const Settings& s)
{
    SetWindowPos(mainDialog, s.AlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ApplyShellIntegration(ProgramState& p, const Settings& s)
{
    Win32Registry registry;
    ApplyRunAtStartup(registry, s.RunAtStartup != 0, p.programPath);
    p.soundPath = ApplySoundEvent(registry, s.PlaySoundOnReceive != 0, WindowsFolder());
    ApplyContextMenuVerb(registry, s.ActivateContextMenu != 0, p.programPath);
}

} // namespace

void ApplyHotkey(HWND mainDialog)
{
    ProgramState& p = Program();
    bool wanted = ProcessSettings().UseHotkey != 0;
    if (wanted && !p.hotkeyRegistered) {
        WriteAction("Register Hotkey (main window)...");
        p.hotkeyRegistered = RegisterHotKey(mainDialog, kHotkeyMainWindow, MOD_CONTROL | MOD_ALT,
                                            HotKeyVirtualKey(p.hotkeyLetter)) != FALSE;
        WriteAction("Register Hotkey complete (main window).");
    } else if (!wanted && p.hotkeyRegistered) {
        UnregisterHotKey(mainDialog, kHotkeyMainWindow);
        p.hotkeyRegistered = false;
    }
}

void ApplySettings(HWND mainDialog)
{
    ProgramState& p = Program();
    const Settings& s = ProcessSettings();
    ApplyWindowOrder(mainDialog, s);
    ApplyShellIntegration(p, s);
    UpdateCheckMarks(mainDialog);
    // A name added to the Quick List elsewhere (the send dialog, the options) is picked up here.
    ProcessLists().quick.Load();
    if (p.mainMenu) SetMenu(mainDialog, p.mainMenu);
    if (MessageTextControl()) RefreshView(mainDialog, Direction::Stay);
    ApplyHotkey(mainDialog);
}

} // namespace kivet
