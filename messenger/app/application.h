// The running program: every area's objects, created and wired together here and nowhere else.
// The areas below never see this record; each gets only the objects it works with.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "common/fixed_text.h"
#include "messenger/browser/adapter_names.h"
#include "messenger/browser/network_browser.h"
#include "messenger/browser/win32/sockets_session.h"
#include "messenger/clients/win32/secure_session.h"
#include "messenger/history/win32/history_log.h"
#include "messenger/netbios/win32/own_netbios.h"
#include "messenger/lists/auto_reply_mode.h"
#include "messenger/lists/personal_lists.h"
#include "messenger/mainwindow/win32/main_window.h"
#include "messenger/mainwindow/win32/rich_emoticons.h"
#include "messenger/runtime/settings.h"
#include "messenger/runtime/win32/registry_store_win32.h"
#include "messenger/store/message_store.h"
#include "messenger/transport/receipt_table.h"
#include "messenger/send/secure_sender.h"
#include "messenger/send/send_prompts.h"
#include "messenger/transport/relay_client.h"
#include "messenger/transport/win32/mailslots.h"

namespace kivet {

// Where the program runs from and who runs it.
struct ProgramFiles {
    HINSTANCE instance = nullptr;
    std::string programDirectory; // with its trailing backslash
    std::string programPath;
    std::string logonName;
    std::string iniPath;
    char className[100] = {};     // string 109, also the window title
    char noNetworkText[200] = {}; // string 185
};

// The four mailslots the program reads.
struct MailslotHandles {
    HANDLE plain = INVALID_HANDLE_VALUE;
    HANDLE group = INVALID_HANDLE_VALUE;
    HANDLE autoReply = INVALID_HANDLE_VALUE;
    HANDLE relayClient = INVALID_HANDLE_VALUE;
};

// Threads and handles the program's life starts and ends.
struct ProgramThreads {
    HANDLE startupWorker = nullptr;
};

// The personal lists and Auto-Reply mode over the registry, alive while the frame window is.
struct ListObjects {
    explicit ListObjects(const std::unique_ptr<NetworkBrowser>& browser);
    Win32Registry registry;
    AdapterNames names;
    PersonalLists lists;
    AutoReplyMode autoReply;
};

// The relay server client's state: the server's groups and the minute counter of its refresh.
struct RelayObjects {
    ServerGroupList serverGroups;
    RelayRefresh minutes;
};

// Made by WinMain for the whole run and handed to the frame window, the hosts and the threads.
class Application {
public:
    Application();
    ProgramFiles files;
    Settings settings;
    MessageStore store;
    ReceiptTable receipts;
    RelayObjects relay;
    Win32Registry registry;              // the program's values, for the parts that keep one
    std::unique_ptr<ListObjects> lists; // created with the frame window, deleted with it
    std::unique_ptr<HistoryLog> history; // made once the settings are loaded
    SecureSession secure;                // the secure exchange, from the frame's creation to its end
    std::unique_ptr<SecureHost> secureHost;
    std::unique_ptr<SocketsSession> sockets;  // Windows Sockets, from start-up to shutdown
    std::unique_ptr<nbt::OwnNetBios> ownNetBios; // our NetBIOS over TCP/IP, where the system has none
    std::unique_ptr<NetworkBrowser> browser;  // the network identity and scans, as long as the sockets
    bool browserInUse = false;                // a start-up worker that would not end still works with it
    MailslotHandles mailslots;
    ProgramThreads threads;

    HWND frame = nullptr;
    HACCEL accelerators = nullptr;
    HMODULE richEdit = nullptr;
    EmoticonBitmaps emoticons;
    MainWindowResources windowResources;
    std::unique_ptr<MainWindowHost> mainWindowHost;
    std::unique_ptr<MainWindow> mainWindow; // made when the frame window is created

    std::string hotkeyLetter; // empty: no hotkey was ever chosen
    uint32_t scanDelay = 15;
    bool hotkeyRegistered = false;
    uint32_t registeredHotkey = 0; // the key registered, to register again when the letter changes
    bool exitQuestionOpen = false; // the Exit command is asking its questions

    // The recipient handed over by a later start through the Network Neighborhood verb.
    char contextMenuName[20] = {};

    // "Do not show this message again" of the non-secure question, for the rest of the run.
    NonSecureConsent nonSecureConsent;

    HWND MainDialog() const { return mainWindow ? mainWindow->dialog : nullptr; }
    // The writer of every datagram the program sends.
    MailslotWriter& Writer()
    {
        MailslotWriter* own = ownNetBios ? ownNetBios->Writer() : nullptr;
        return own ? *own : systemWriter;
    }
    // The secure way of a send to one computer.
    SecureSender& Secure() { return *secureSender; }
    // The local names as the browser has them, empty before start-up and after shutdown.
    NetworkState Identity() const { return browser ? browser->Identity() : NetworkState{}; }
    bool InAutoReplyMode() const { return lists && lists->autoReply.On(); }
    bool ShuttingDown() const { return mainWindow && mainWindow->shuttingDown; }

private:
    Win32MailslotWriter systemWriter{[this] { return std::string(FieldText(Identity().computerName)); }};
    std::unique_ptr<SecureSender> secureSender;
};

} // namespace kivet
