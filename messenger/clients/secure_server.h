// The secure server: the exchange thread's loop on the component's server slot. It binds the
// port (retrying while that fails), listens, and then serves one connection at a time: every record
// that arrives on it is handled, and when the peer closes (or sends no whole record within the
// component's receive time-out) the next connection is accepted on the same listening socket,
// which replaces and closes the finished one. The listening socket is closed and made anew only
// when accepting fails: closing it after every connection would destroy a connection already
// waiting in its queue, such as the enciphered message that follows a key answer at once.
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
