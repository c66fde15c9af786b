// The secure exchange for the whole run of the program, as the composition layer drives it:
// Start when the frame window is created, Stop when it is destroyed, SendSecure from the sending
// thread for each secure recipient, ProbeSecureServer from the network scan, Interface for the
// transfer component.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

#include "messenger/clients/secure_host.h"
#include "messenger/clients/secure_parts.h"
#include "messenger/clients/secure_sender.h"
#include "messenger/clients/secure_server.h"
#include "messenger/clients/secure_server_thread.h"
#include "messenger/clients/win32/com_secure_api.h"
#include "messenger/clients/win32/secure_component.h"
#include "messenger/runtime/action_log.h"
#include "messenger/store/message_store.h"

namespace kivet {

class SecureSession {
public:
    SecureSession() = default;
    ~SecureSession();
    SecureSession(const SecureSession&) = delete;
    SecureSession& operator=(const SecureSession&) = delete;

    // Creates the component (see StartSecureComponent; false means the program must exit) and
    // starts the secure server thread ("Couldn't create secure server." in the log when it cannot,
    // and the program runs on without a server). host, log and store outlive the session.
    bool Start(SecureHost& host, ActionWriter& log, MessageStore& store, const ShowBoxFunction& showBox);

    // Unblocks the server thread and waits for it to end, serving the window messages sent to the
    // calling thread meanwhile (the server thread may be waiting on one), then uninitialises and
    // releases the component. Safe to call twice.
    void Stop();

    // The secure sender for one recipient on a thread of its own, awaited: 0 sent, 1 error,
    // 2 no secure messenger on the remote computer.
    int SendSecure(std::string_view recipient, std::string_view text);

    // Whether the computer accepts a connection on the secure port.
    bool ProbeSecureServer(std::string_view computer);

    // The component's interface for the transfer component (no reference added); null when stopped.
    IKivetSecure* Interface() const { return component_.secure; }
    bool ServerRunning() const { return thread_ && thread_->Running(); }

private:
    SecureComponent component_;
    std::unique_ptr<ComSecureApi> api_;
    std::unique_ptr<SecureParts> parts_;
    std::unique_ptr<SecureServer> server_;
    std::unique_ptr<SecureServerThread> thread_;
};

// Lets the calling thread serve the messages other threads have sent to its windows.
void ServeSentMessages();

} // namespace kivet
