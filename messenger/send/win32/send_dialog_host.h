// What the send dialog asks of the rest of the program. The composition layer implements it over
// the program's objects; everything here is called on the main thread.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "messenger/browser/scan_observer.h"
#include "messenger/send/names_tree.h"
#include "messenger/send/win32/send_launcher.h"

namespace kivet {

class EmoticonBitmaps;

// What the program loaded once and the dialog draws with; owned by the program.
struct SendDialogResources {
    HINSTANCE instance = nullptr;
    HFONT regularFont = nullptr;
    bool richEditVersion1 = false; // "RichEdit" instead of "RichEdit20A"
    HIMAGELIST treeImages = nullptr;
    const EmoticonBitmaps* emoticons = nullptr;
};

class SendDialogHost {
public:
    virtual ~SendDialogHost() = default;
    virtual const SendDialogResources& Resources() = 0;

    // The Quick List as it is now, in list order.
    virtual std::vector<std::string> QuickList() = 0;
    // The lists and the last scan's names for the names tree.
    virtual NamesTreeInput TreeContent() = 0;
    virtual std::vector<std::string> QuickAnswers() = 0;
    virtual bool InAutoReplyMode() = 0;

    // The status bar's figures of the last scan.
    virtual std::vector<StatusPart> ScanFigures() = 0;
    // Starts a scan; false when one is running.
    virtual bool StartScan() = 0;
    // The dialog that shows the scans while it is open; null when it closes.
    virtual void WatchScans(std::shared_ptr<ScanObserver> observer) = 0;

    // The settings and the sending thread for one press of Send in the dialog (which owns the
    // sending thread's boxes); the dialog fills in the rest.
    virtual SendLaunch PrepareSend(HWND dialog) = 0;

    // The commands on a name of the tree.
    virtual void ShowDetails(HWND owner, const std::string& name) = 0;
    virtual void BrowseComputer(HWND owner, const std::string& name) = 0;
    // The computer the last scan found the user or computer at, asked for its Auto-Reply
    // message; nothing when it did not answer.
    virtual std::optional<std::string> ReadAutoReply(const std::string& name) = 0;
    // Adds the name (cut at the first blank, at most 16 characters) and tells the user when it was
    // added; the program then applies its settings again.
    virtual void AddToList(HWND owner, const std::string& name, bool ignoreList) = 0;
    // "&Add new..." of the Quick Answers drop-down: the Options sheet at the Quick Answers page.
    virtual void OpenQuickAnswersOptions(HWND owner) = 0;
};

} // namespace kivet
