// The Scroll Lock light's rhythm: one key event a tick, a release and a press in turn starting with
// the release, so the light changes every other tick; stopping gives the light back.
#include "messenger/mainwindow/scroll_lock_blink.h"

#include <gtest/gtest.h>

namespace kivet {
namespace {

// The light as the key events leave it: a press switches it, a release does not.
bool LightAfter(bool light, const std::vector<KeyEvent>& events)
{
    for (KeyEvent e : events)
        if (e == KeyEvent::Press) light = !light;
    return light;
}

TEST(ScrollLockBlink, TheLightChangesOnEveryOtherTick)
{
    ScrollLockBlink blink;
    blink.Start();
    std::vector<KeyEvent> ticks;
    for (int i = 0; i < 6; ++i)
        ticks.push_back(blink.Tick());
    const std::vector<KeyEvent> expected = {KeyEvent::Release, KeyEvent::Press, KeyEvent::Release,
                                            KeyEvent::Press,   KeyEvent::Release, KeyEvent::Press};
    EXPECT_EQ(ticks, expected);
}

// Whenever the blinking stops, the light is as it was and no key is left pressed.
TEST(ScrollLockBlink, StoppingGivesTheLightBackAfterAnyNumberOfTicks)
{
    for (int ticks = 0; ticks < 9; ++ticks) {
        SCOPED_TRACE(ticks);
        for (bool lightAtStart : {false, true}) {
            ScrollLockBlink blink;
            blink.Start();
            std::vector<KeyEvent> events;
            for (int i = 0; i < ticks; ++i)
                events.push_back(blink.Tick());
            const std::vector<KeyEvent> stop = blink.Stop();
            events.insert(events.end(), stop.begin(), stop.end());
            EXPECT_EQ(LightAfter(lightAtStart, events), lightAtStart);
            int down = 0;
            for (KeyEvent e : events) {
                down += e == KeyEvent::Press ? 1 : -1;
                down = down < 0 ? 0 : down;
            }
            EXPECT_EQ(down, 0) << "a key left pressed";
        }
    }
}

} // namespace
} // namespace kivet
