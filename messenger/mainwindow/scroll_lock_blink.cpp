#include "messenger/mainwindow/scroll_lock_blink.h"

namespace kivet {

void ScrollLockBlink::Start()
{
    pressNext_ = false;
    keyDown_ = false;
    presses_ = 0;
}

KeyEvent ScrollLockBlink::Tick()
{
    const bool press = pressNext_;
    pressNext_ = !pressNext_;
    keyDown_ = press;
    if (!press) return KeyEvent::Release;
    ++presses_;
    return KeyEvent::Press;
}

std::vector<KeyEvent> ScrollLockBlink::Stop()
{
    std::vector<KeyEvent> events;
    if (keyDown_) events.push_back(KeyEvent::Release); // the last tick pressed the key
    if (presses_ % 2 != 0) {
        events.push_back(KeyEvent::Press);
        events.push_back(KeyEvent::Release);
    }
    Start();
    return events;
}

} // namespace kivet
