#include "messenger/mainwindow/tray_animation.h"
#include "messenger/resources/resource.h"

namespace kivet {
namespace {
constexpr uint32_t kFrameIcons[4] = {0, IDI_TRAY_NEW_1, IDI_TRAY_NEW_2, IDI_TRAY_NEW_3}; // frames 1..3
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
