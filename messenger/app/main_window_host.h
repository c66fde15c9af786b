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
    void RunSenderCommand(HWND mainDialog, WORD command, std::string_view sender) override;
    bool InAutoReplyMode() override;
    std::vector<std::string> QuickAnswers() override;
    std::vector<std::string> AutoReplyDescriptions() override;
    ScanSummary LastScan() override;
    std::optional<ScannedName> ScannedEntry(std::string_view name) override;

private:
    Application& app_;
};

} // namespace kivet
