#include "messenger/mainwindow/tray_animation.h"

#include <gtest/gtest.h>

#include <vector>

namespace kivet {
namespace {

TEST(TrayAnimation, CyclesThroughTheFourFramesForever)
{
    TrayAnimation animation;
    std::vector<uint32_t> shown;
    for (int i = 0; i < 12; ++i)
        shown.push_back(animation.NextIcon());
    EXPECT_EQ(shown, (std::vector<uint32_t>{336, 337, 334, 337, 336, 337, 334, 337, 336, 337, 334, 337}));
}

TEST(TrayAnimation, RestartBeginsWithTheFirstFrame)
{
    TrayAnimation animation;
    animation.NextIcon();
    animation.NextIcon();
    animation.NextIcon();
    animation.Restart();
    EXPECT_EQ(animation.NextIcon(), 336u);
    EXPECT_EQ(animation.NextIcon(), 337u);
}

} // namespace
} // namespace kivet
