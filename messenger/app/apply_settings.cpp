#include "messenger/app/apply_settings.h"

#include "messenger/mainwindow/win32/main_commands.h"
#include "messenger/mainwindow/win32/main_view.h"
#include "messenger/messages.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/win32/language_menus.h"
#include "messenger/runtime/win32/language_pack_loader.h"
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

void ApplyShellIntegration(Application& app, const Settings& s)
{
    Win32Registry registry;
    const std::string& program = app.files.programPath;
    ApplyRunAtStartup(registry, s.RunAtStartup != 0, program);
    app.mainWindow->soundPath = ApplySoundEvent(registry, s.PlaySoundOnReceive != 0, WindowsFolder());
    ApplyContextMenuVerb(registry, s.ActivateContextMenu != 0, program);
}

// The stored language's texts and menus (the program's own when its pack cannot be used), and
// the menu bar on the main window.
void ApplyLanguage(Application& app)
{
    if (!LoadLanguagePack(nullptr, app.settings.Language)) app.settings.Language = 0;
    AttachMainMenu(app.MainDialog());
}

// The registry values the Options sheet may have changed.
void ReloadRegistryValues(Application& app)
{
    Win32Registry registry;
    app.hotkeyLetter = ReadStoredHotKey(registry);
    app.scanDelay = ReadScanDelay(registry);
}

} // namespace

// The hotkey follows UseHotkey and the stored letter: registered when wanted, registered again when
// the letter changed, removed when no longer wanted.
void ApplyHotkey(Application& app)
{
    HWND mainDialog = app.MainDialog();
    const uint32_t key = MainWindowHotKey(app.settings.UseHotkey != 0, app.hotkeyLetter);
    if (app.hotkeyRegistered && key != app.registeredHotkey) {
        UnregisterHotKey(mainDialog, kHotkeyMainWindow);
        app.hotkeyRegistered = false;
    }
    if (key != 0 && !app.hotkeyRegistered) {
        WriteAction("Register Hotkey (main window)...");
        app.hotkeyRegistered = RegisterHotKey(mainDialog, kHotkeyMainWindow, MOD_CONTROL | MOD_ALT, key) != FALSE;
        app.registeredHotkey = app.hotkeyRegistered ? key : 0;
        WriteAction("Register Hotkey complete (main window).");
    }
}

void ApplySettings(Application& app)
{
    MainWindow& window = *app.mainWindow;
    const Settings& s = app.settings;
    ReloadRegistryValues(app);
    ApplyWindowOrder(window.dialog, s);
    ApplyShellIntegration(app, s);
    UpdateCheckMarks(window);
    // A name added to the Quick List elsewhere (the send dialog, the options) is picked up here.
    app.lists->lists.quick.Load();
    ApplyLanguage(app);
    if (window.view.text) RefreshView(window, Direction::Stay);
    ApplyHotkey(app);
}

} // namespace kivet
