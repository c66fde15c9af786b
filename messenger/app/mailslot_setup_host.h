// The window side of creating the program's mailslots at start-up.
#pragma once

#include <windows.h>

#include "messenger/app/application.h"
#include "messenger/transport/mailslot_setup.h"

namespace kivet {

class Win32MailslotSetupHost : public MailslotSetupHost {
public:
    Win32MailslotSetupHost(Application& app, HWND mainDialog) : app_(app), mainDialog_(mainDialog) {}
    bool CreateMailslot(MailslotKind kind) override;
    bool IsMessengerServiceRunning() override;
    void StopMessengerService() override;
    void Sleep(unsigned milliseconds) override;
    BoxAnswer AskOwnedByMainWindow(const BoxSpec& box) override;
    void ShowOwnedByFrame(const BoxSpec& box) override;
    const char* Text(unsigned id) override;
    void RequestRelayGroupList() override;
    void RequestRelayOfflineMessages() override;

private:
    Application& app_;
    HWND mainDialog_;
};

// Creates the mailslots as the main window starts; false when the program must end.
bool CreateProgramMailslots(Application& app, HWND mainDialog);
void CloseProgramMailslots(Application& app);

} // namespace kivet
