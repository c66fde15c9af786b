// The thread the secure server runs on for the whole run of the program.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "messenger/clients/secure_server.h"
#include "messenger/runtime/action_log.h"

namespace kivet {

class SecureServerThread {
public:
    explicit SecureServerThread(SecureServer& server);
    // Stops the thread if it still runs.
    ~SecureServerThread();
    SecureServerThread(const SecureServerThread&) = delete;
    SecureServerThread& operator=(const SecureServerThread&) = delete;

    // Starts the server on a thread of its own. When the thread cannot be created the log gets
    // "Couldn't create secure server." and false comes back; the program runs on without a server.
    bool Start(ActionWriter& log);

    // Unblocks the server and waits until its thread has ended, so nothing uses the component
    // afterwards. whileWaiting runs every 50 ms of the wait: the program passes a function that
    // lets the main thread serve the window messages the server thread may be waiting on.
    void Stop(const std::function<void()>& whileWaiting = nullptr);

    bool Running() const;

private:
    void Body();

    SecureServer& server_;
    std::thread thread_;
    mutable std::mutex lock_;
    std::condition_variable ended_;
    bool running_ = false;
};

} // namespace kivet
