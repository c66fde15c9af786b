// The rhythm of the Scroll Lock light while unread messages wait: each tick of its timer sends one
// key event, a release and a press in turn, starting with the release. A lock key changes its
// state on the press, so the light changes on every other tick. Stopping gives the light back as
// the user had it.
#pragma once

#include <vector>

namespace kivet {

enum class KeyEvent { Press, Release };

class ScrollLockBlink {
public:
    // Starts counting from the light as it is now.
    void Start();
    // The event of this tick.
    KeyEvent Tick();
    // The events that end the blinking with the light as it was at the start: a press that the
    // blinking left down is released, an odd number of presses is undone by one more.
    std::vector<KeyEvent> Stop();

private:
    bool pressNext_ = false;
    bool keyDown_ = false; // the last tick pressed the key
    unsigned presses_ = 0;
};

} // namespace kivet
