#include "messenger/mainwindow/tray_animation.h"

#include "messenger/resources/resource.h"

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
    const uint32_t a = IDI_TRAY_NEW_1, b = IDI_TRAY_NEW_2, c = IDI_TRAY_NEW_3;
    EXPECT_EQ(shown, (std::vector<uint32_t>{a, b, c, b, a, b, c, b, a, b, c, b}));
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
