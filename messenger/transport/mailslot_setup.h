// Creating the program's four mailslots when the main window starts, with the failure paths of
// each: the Messenger-format mailslot may be held by the system's Messenger service (taken over
// on the NT family after asking) or by another program.
#pragma once

#include <string>

#include "messenger/runtime/message_box.h"
#include "messenger/runtime/os_family.h"

namespace kivet {

class ActionWriter;

enum class MailslotKind { Plain, Group, AutoReply, RelayClient };

class MailslotSetupHost {
public:
    virtual ~MailslotSetupHost() = default;
    virtual bool CreateMailslot(MailslotKind kind) = 0;
    virtual bool IsMessengerServiceRunning() = 0;
    // Disables the service and sends it the stop control.
    virtual void StopMessengerService() = 0;
    virtual void Sleep(unsigned milliseconds) = 0;
    // Boxes owned by the main window (the question) or the hidden window (the warning).
    virtual BoxAnswer AskOwnedByMainWindow(const BoxSpec& box) = 0;
    virtual void ShowOwnedByFrame(const BoxSpec& box) = 0;
    virtual const char* Text(unsigned id) = 0;
    // The relay server's start-up requests, when the relay client mailslot exists.
    virtual void RequestRelayGroupList() = 0;
    virtual void RequestRelayOfflineMessages() = 0;
};

enum class MailslotSetupResult {
    Ready,       // all four created (the Messenger-format one may be missing after a warning)
    ExitProcess, // the program must end now, with exit code 0
};

struct MailslotSetupOptions {
    OsFamily osFamily = kOsOther;
    bool useServer = false;
};

MailslotSetupResult CreateMailslots(MailslotSetupHost& host, const MailslotSetupOptions& options, ActionWriter& log);

// True for Windows NT 4, 2000 and XP, where the Messenger service can hold the mailslot.
bool IsNtFamily(OsFamily family);

} // namespace kivet
