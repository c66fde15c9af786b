// Process-wide state of the running messenger's windows (main thread unless noted).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "messenger/browser/network_state.h"

namespace kivet {

// The four mailslots the program reads.
struct MailslotHandles {
    HANDLE plain = INVALID_HANDLE_VALUE;
    HANDLE group = INVALID_HANDLE_VALUE;
    HANDLE autoReply = INVALID_HANDLE_VALUE;
    HANDLE relayClient = INVALID_HANDLE_VALUE;
};

struct ProgramState {
    HINSTANCE instance = nullptr;
    std::string programDirectory; // with its trailing backslash
    std::string programPath;
    std::string logonName;
    std::string iniPath;

    char className[100] = {};     // string 109
    char noNetworkText[200] = {}; // string 185

    HWND frame = nullptr;
    HWND mainDialog = nullptr;
    HMENU mainMenu = nullptr;
    HMENU popupMenus = nullptr;
    HACCEL accelerators = nullptr;

    HFONT regularFont = nullptr;
    HFONT boldFont = nullptr;
    HMODULE richEdit = nullptr;
    HIMAGELIST treeImages = nullptr; // the names tree's pictures
    bool richEditVersion1 = false;

    HANDLE startupWorker = nullptr;
    HANDLE scanThread = nullptr; // the network scan, once it runs

    NetworkState* network = nullptr; // created at start-up, destroyed at shutdown
    bool networkInUse = false;       // a worker that would not end still writes into it
    MailslotHandles mailslots;

    std::string hotkeyLetter;
    uint32_t scanDelay = 15;
    std::string soundPath;
    bool hotkeyRegistered = false;
    bool trayIconAdded = false;
    bool trayBlinking = false;
    bool scrollLockBlinking = false;
    bool exitQuestionOpen = false; // the Exit command is asking its questions
    bool questionOpen = false;     // a question of Exit or Delete all is open
    bool shutDown = false;         // the shutdown sequence has run

    // The recipient handed over by a later start through the Network Neighborhood verb.
    char contextMenuName[20] = {};
};

ProgramState& Program();

// Marks a modal window of the program (a question, a dialog) as open for its lifetime: meanwhile
// the tray icon and the hotkey only bring it to the front instead of starting another command.
class ModalScope {
public:
    ModalScope() : wasOpen_(Program().questionOpen) { Program().questionOpen = true; }
    ~ModalScope() { Program().questionOpen = wasOpen_; }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    bool wasOpen_;
};

} // namespace kivet
