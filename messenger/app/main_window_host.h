// The program's answers to what the main window asks: its start (settings, mailslots, timers),
// the commands carried out by other parts, the receiving timers, the end of the session and the
// lists its menus show.
#pragma once

#include "messenger/app/application.h"
#include "messenger/mainwindow/win32/main_window.h"

namespace kivet {

class ProgramMainWindowHost : public MainWindowHost {
public:
    explicit ProgramMainWindowHost(Application& app) : app_(app) {}
    bool OnMainWindowCreated(HWND mainDialog) override;
    bool RunCommand(HWND mainDialog, WORD id) override;
    void OnTimer(HWND mainDialog, UINT_PTR timer) override;
    void OnEndSession() override;
    void OnContextMenuSend(HWND mainDialog) override;
    void OnPathsDropped(HWND mainDialog, const std::vector<std::string>& paths) override;
    void RunSenderCommand(HWND mainDialog, WORD command, std::string_view sender) override;
    bool InAutoReplyMode() override;
    std::vector<std::string> QuickAnswers() override;
    std::vector<std::string> AutoReplyDescriptions() override;
    ScanSummary LastScan() override;
    std::optional<ScannedName> ScannedEntry(std::string_view name) override;

private:
    Application& app_;
};

// Adds the name (cut at the first blank, at most 16 characters) to the Quick List or the Ignore
// List, tells the user with the box owned by owner when it was added, and applies the settings
// again so that the tree and the recipient box pick it up. A name already there is not added again
// and nothing is said.
void AddNameToPersonalList(Application& app, HWND owner, std::string_view name, bool ignoreList);

} // namespace kivet
