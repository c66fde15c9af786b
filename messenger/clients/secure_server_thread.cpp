#include "messenger/clients/secure_server_thread.h"

#include <chrono>
#include <system_error>

namespace kivet {

SecureServerThread::SecureServerThread(SecureServer& server) : server_(server) {}

SecureServerThread::~SecureServerThread()
{
    Stop();
}

bool SecureServerThread::Start(ActionWriter& log)
{
    if (thread_.joinable()) return true;
    {
        std::lock_guard<std::mutex> hold(lock_);
        running_ = true;
    }
    try {
        thread_ = std::thread([this] { Body(); });
    } catch (const std::system_error&) {
        std::lock_guard<std::mutex> hold(lock_);
        running_ = false;
        log.Write("Couldn't create secure server.");
        return false;
    }
    return true;
}

void SecureServerThread::Body()
{
    server_.Run();
    {
        std::lock_guard<std::mutex> hold(lock_);
        running_ = false;
    }
    ended_.notify_all();
}

void SecureServerThread::Stop(const std::function<void()>& whileWaiting)
{
    if (!thread_.joinable()) return;
    // The server may have re-created its slot between the stop flag and the disconnect; asking
    // again until the thread has ended closes each slot it opens.
    for (;;) {
        server_.RequestStop();
        std::unique_lock<std::mutex> hold(lock_);
        if (ended_.wait_for(hold, std::chrono::milliseconds(50), [this] { return !running_; })) break;
        hold.unlock();
        if (whileWaiting) whileWaiting();
    }
    thread_.join();
}

bool SecureServerThread::Running() const
{
    std::lock_guard<std::mutex> hold(lock_);
    return running_;
}

} // namespace kivet
