// The tray icon's new-message animation: each tick shows the next frame of the cycle
// 336, 337, 334, 337 (four ticks of 250 ms, one second per cycle).
#pragma once

#include <cstdint>

namespace kivet {

class TrayAnimation {
public:
    // Starts again at the first frame.
    void Restart();
    // The icon resource of this tick, moving to the next frame.
    uint32_t NextIcon();

private:
    int frame_ = 1;
    bool rising_ = true;
};

} // namespace kivet
