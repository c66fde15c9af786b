#include "messenger/browser/manual_reset_event.h"

#include <chrono>

namespace kivet {

void ManualResetEvent::Set()
{
    {
        std::lock_guard<std::mutex> guard(lock_);
        set_ = true;
    }
    changed_.notify_all();
}

void ManualResetEvent::Reset()
{
    std::lock_guard<std::mutex> guard(lock_);
    set_ = false;
}

bool ManualResetEvent::IsSet()
{
    std::lock_guard<std::mutex> guard(lock_);
    return set_;
}

void ManualResetEvent::Wait()
{
    std::unique_lock<std::mutex> guard(lock_);
    changed_.wait(guard, [this] { return set_; });
}

bool ManualResetEvent::WaitFor(unsigned milliseconds)
{
    std::unique_lock<std::mutex> guard(lock_);
    return changed_.wait_for(guard, std::chrono::milliseconds(milliseconds), [this] { return set_; });
}

} // namespace kivet
