#include "messenger/browser/reset_once_netbios.h"

namespace kivet {

uint8_t ResetOnceNetBios::Reset(uint8_t lana)
{
    // Held across the reset itself, so a second thread asking meanwhile waits for the result
    // instead of resetting the adapter a second time.
    std::lock_guard<std::mutex> guard(lock_);
    if (!done_[lana]) {
        result_[lana] = inner_.Reset(lana);
        done_[lana] = true;
    }
    return result_[lana];
}

} // namespace kivet
