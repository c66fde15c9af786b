#include "messenger/mainwindow/tray_animation.h"

namespace kivet {
namespace {
constexpr uint32_t kFrameIcons[4] = {0, 336, 337, 334}; // frames 1..3
} // namespace

void TrayAnimation::Restart()
{
    frame_ = 1;
    rising_ = true;
}

uint32_t TrayAnimation::NextIcon()
{
    uint32_t icon = kFrameIcons[frame_];
    if (rising_) {
        if (frame_ == 3) {
            frame_ = 2;
            rising_ = false;
        } else {
            ++frame_;
        }
    } else {
        if (frame_ == 1) {
            frame_ = 2;
            rising_ = true;
        } else {
            --frame_;
        }
    }
    return icon;
}

} // namespace kivet
