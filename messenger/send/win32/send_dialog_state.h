// The send dialog's state while it is open; the dialog keeps a pointer to it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "messenger/send/dialog_geometry.h"
#include "messenger/send/names_tree.h"
#include "messenger/send/win32/send_dialog.h"

namespace kivet {

class DialogScanObserver;

// A control and how it follows the window's surplus over the template size.
struct PlacedControl {
    HWND window = nullptr;
    Box original; // in the client area of the window at its template size
    Anchor anchor;
};

// The selected item of the names tree.
struct TreeSelection {
    bool any = false;
    uint32_t value = 0;
    uint8_t state = 0;
    std::string text; // the item's text as shown
};

struct SendDialogState {
    SendDialogState(SendDialogHost& host, const SendDialogOpening& opening) : host(host), opening(opening) {}

    SendDialogHost& host;
    SendDialogOpening opening;

    HWND dialog = nullptr;
    HWND recipient = nullptr;
    HWND text = nullptr;
    HWND tree = nullptr;
    HWND textToolbar = nullptr;
    HWND treeToolbar = nullptr;
    HWND status = nullptr;
    HWND balloon = nullptr;
    HBITMAP quickPicture = nullptr;
    HBITMAP emotionsPicture = nullptr;
    HICON statusIcons[4] = {};

    SIZE minimumSize{};    // the window as created from the template
    SIZE templateClient{}; // its client area then
    std::vector<PlacedControl> placed;

    std::vector<std::string> boxEntries; // the recipient box's entries, top first
    std::string recipientBefore;          // the box's text before the last edit

    NamesTreeInput treeContent;
    TreeSelection selection;

    HANDLE launcher = nullptr; // the Send launcher thread while a send runs
    std::shared_ptr<DialogScanObserver> scanObserver;
};

SendDialogState& SendDialogStateOf(HWND dialog);

// Messages the dialog posts to itself.
enum : UINT {
    kMsgScanStatus = WM_APP + 40, // lParam: std::vector<StatusPart>*, owned by the receiver
    kMsgScanTree,                 // lParam: std::vector<TreeItem>*, owned by the receiver
    kMsgSendFinished,             // the sending thread is done: the scan's figures again
};

constexpr UINT_PTR kBalloonTimer = 1;
constexpr UINT kBalloonMilliseconds = 2000;
constexpr int kHotkeySend = 900;   // Ctrl+Enter while the dialog is active
constexpr int kHotkeyBrowse = 601; // Ctrl+B while the dialog is active

} // namespace kivet
