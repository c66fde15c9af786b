// The main window's own state (its controls, the tray icon, the new-message blinking) and what it
// asks of the rest of the program through MainWindowHost. The dialog keeps a pointer to its
// MainWindow, so every handler finds the state from the window handle.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "messenger/mainwindow/scroll_lock_blink.h"
#include "messenger/mainwindow/tray_animation.h"
#include "messenger/runtime/settings.h"
#include "messenger/store/message_store.h"

namespace kivet {

class EmoticonBitmaps;

// The figures of the last network scan that the window's query message reports.
struct ScanSummary {
    std::size_t computers = 0;
    std::size_t users = 0;
    bool running = false;
};

// A name's entry in the last network scan: its state byte (0 off line, 1 on line, 2 in Auto-Reply
// mode) and whether its computer answers on the secure port.
struct ScannedName {
    uint8_t state = 0;
    bool runsMessenger = false;
};

// What the program loads once at start-up and the main window draws with; owned by the caller.
struct MainWindowResources {
    HINSTANCE instance = nullptr;
    std::string programDirectory; // with its trailing backslash: the help file and contacts live here
    std::string caption;          // the window title outside Auto-Reply mode
    HFONT regularFont = nullptr;
    HFONT boldFont = nullptr;
    bool richEditVersion1 = false;
    HIMAGELIST treeImages = nullptr;
    const EmoticonBitmaps* emoticons = nullptr;
};

// Everything the main window cannot do by itself; the program wires it to the other parts.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;
    // The window exists and shows its controls: the settings are applied, the mailslots created
    // and the timers started. False when the program must end.
    virtual bool OnMainWindowCreated(HWND mainDialog) = 0;
    // A command of the menus, toolbar or tray that another part carries out; false for an id that
    // is not one.
    virtual bool RunCommand(HWND mainDialog, WORD id) = 0;
    // A timer the main window does not run itself (the mailslot polls and the minute tick).
    virtual void OnTimer(HWND mainDialog, UINT_PTR timer) = 0;
    // The Windows session ends, or the program was asked to close from outside.
    virtual void OnEndSession() = 0;
    // A later start handed a recipient over (Network Neighborhood "Message...").
    virtual void OnContextMenuSend(HWND mainDialog) = 0;
    // Files, folders or network names were dropped on the window (each path at most 260
    // characters).
    virtual void OnPathsDropped(HWND mainDialog, const std::vector<std::string>& paths) = 0;
    // A command on a sender, from the main menu (the current message's sender) or from the names
    // menu of the header (the sender it was opened for): Add to Quick List / Ignore List, Message
    // details, Browse computer.
    virtual void RunSenderCommand(HWND mainDialog, WORD command, std::string_view sender) = 0;
    virtual bool InAutoReplyMode() = 0;
    // The entries of the toolbar's drop-downs.
    virtual std::vector<std::string> QuickAnswers() = 0;
    virtual std::vector<std::string> AutoReplyDescriptions() = 0;
    // What the last network scan found, read for the window's query message.
    virtual ScanSummary LastScan() = 0;
    // Nothing for a name the last scan did not list.
    virtual std::optional<ScannedName> ScannedEntry(std::string_view name) = 0;
};

// The window handles of the controls, owned by the view.
struct ViewControls {
    HWND toolbar = nullptr;
    HWND header = nullptr;
    HWND text = nullptr;
    HWND status = nullptr;
    HWND tooltip = nullptr;
    HIMAGELIST images = nullptr;
    HICON statusIcon = nullptr; // parts 0 and 1
    HICON unreadIcon = nullptr; // part 3
    HICON padlock = nullptr;    // part 2, secure messages only
};

constexpr unsigned kTrayIconCount = 5; // resources 334 ... 338

// The icon in the notification area and what it shows now.
struct TrayIconState {
    HICON icons[kTrayIconCount] = {};
    bool added = false;
    unsigned shownIcon = 0;
    char shownTooltip[64] = {};
    ATOM tooltipAtom = 0; // the last answer to the tray query, deleted by the next one and at exit
};

// The announcements of unread messages: the tray animation and the Scroll Lock light.
struct Blinking {
    TrayAnimation animation;
    bool tray = false;
    bool scrollLock = false;
    ScrollLockBlink scrollLockRhythm;
};

class MainWindow {
public:
    MainWindow(const MainWindowResources& resources, MainWindowHost& host, MessageStore& store, Settings& settings)
        : resources(resources), host(host), store(store), settings(settings)
    {
    }
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    const MainWindowResources& resources;
    MainWindowHost& host;
    MessageStore& store;
    Settings& settings;

    HWND dialog = nullptr;
    SIZE minimumSize{}; // the size as created from the template: it is never made smaller
    ViewControls view;
    TrayIconState tray;
    Blinking blinking;
    std::string soundPath;     // the "Incoming message" sound, empty when none is set
    bool modalOpen = false;    // a question or dialog of the program is open
    bool shuttingDown = false; // the shutdown sequence has run
};

// The state of the main dialog; the window must be the main dialog.
MainWindow& MainWindowOf(HWND mainDialog);

// Marks a modal window of the program (a question, a dialog) as open for its lifetime: meanwhile
// the tray icon and the hotkey only bring it to the front instead of starting another command.
class ModalScope {
public:
    explicit ModalScope(MainWindow& window) : window_(window), wasOpen_(window.modalOpen) { window.modalOpen = true; }
    ~ModalScope() { window_.modalOpen = wasOpen_; }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    MainWindow& window_;
    bool wasOpen_;
};

} // namespace kivet
