// The secure server: the exchange thread's loop on the component's server slot. It binds the
// port (retrying while that fails), listens, accepts one connection and handles every record that
// arrives on it, then closes the connection and the listening socket and starts again. A peer
// that sends no whole record within the component's receive time-out is dropped the same way.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "messenger/clients/secure_parts.h"
#include "messenger/store/message_store.h"

namespace kivet {

// The pause before the server slot is tried again after binding or listening failed, so a port
// held by another program does not turn the loop into a busy one that floods the action log.
constexpr unsigned kSecureServerRetryPauseMs = 1000;

class SecureServer {
public:
    SecureServer(SecureParts parts, MessageStore& store, unsigned retryPauseMs = kSecureServerRetryPauseMs);
    SecureServer(const SecureServer&) = delete;
    SecureServer& operator=(const SecureServer&) = delete;

    // Serves connections until RequestStop.
    void Run();

    // Makes Run end: a call blocked on the server slot returns at once. Safe from any thread and
    // more than once; a caller waiting for Run to end repeats it (see SecureServerThread).
    void RequestStop();

private:
    bool StartListening();
    void ServeConnection();
    void PauseBeforeRetry();

    SecureParts parts_;
    MessageStore& store_;
    const unsigned retryPauseMs_;
    std::atomic<bool> stopping_{false};
    std::mutex pauseLock_;
    std::condition_variable stopped_;
};

} // namespace kivet
