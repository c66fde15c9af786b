// An event that stays signalled once set, until reset: the scan's "all workers finished or the
// scan was stopped" signal.
#pragma once

#include <condition_variable>
#include <mutex>

namespace kivet {

class ManualResetEvent {
public:
    void Set();
    void Reset();
    bool IsSet();
    void Wait();
    // False when the time ran out before the event was set.
    bool WaitFor(unsigned milliseconds);

private:
    std::mutex lock_;
    std::condition_variable changed_;
    bool set_ = false;
};

} // namespace kivet
