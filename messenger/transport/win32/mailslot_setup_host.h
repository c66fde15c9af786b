// The window side of creating the program's mailslots at start-up.
#pragma once

#include <windows.h>

#include "messenger/transport/mailslot_setup.h"

namespace kivet {

class Win32MailslotSetupHost : public MailslotSetupHost {
public:
    explicit Win32MailslotSetupHost(HWND mainDialog) : mainDialog_(mainDialog) {}
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
    HWND mainDialog_;
};

// Creates the mailslots as the main window starts; false when the program must end.
bool CreateProgramMailslots(HWND mainDialog);
void CloseProgramMailslots();

} // namespace kivet
