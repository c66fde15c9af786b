// The send dialog's geometry: controls following the surplus over the template size, and the
// saved position and size, good or not, applied when the window opens.
#include <gtest/gtest.h>

#include <climits>

#include "messenger/send/dialog_geometry.h"

namespace kivet::test {
namespace {

bool Same(const Box& a, const Box& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(DialogGeometry, ControlsMoveOrStretchWithTheSurplus)
{
    const Box control{10, 20, 110, 70};
    EXPECT_TRUE(Same(FollowSurplus(control, {}, 30, 40), control));
    EXPECT_TRUE(Same(FollowSurplus(control, {true, true, false, false}, 30, 40), Box{40, 60, 140, 110}));
    EXPECT_TRUE(Same(FollowSurplus(control, {false, false, true, true}, 30, 40), Box{10, 20, 140, 110}));
    EXPECT_TRUE(Same(FollowSurplus(control, {true, false, false, true}, 30, 40), Box{40, 20, 140, 110}));
    // A window smaller than its template (before the minimum applies) moves nothing backwards.
    EXPECT_TRUE(Same(FollowSurplus(control, {true, true, true, true}, -50, -5), control));
}

TEST(DialogGeometry, OpensWhereItWasLeft)
{
    const Box created{100, 100, 500, 400};
    const Box work{0, 0, 1024, 768};
    WindowPlacement saved;
    EXPECT_TRUE(Same(OpeningBox(saved, created, work), created));
    saved.hasPosition = true;
    saved.x = 20;
    saved.y = 30;
    EXPECT_TRUE(Same(OpeningBox(saved, created, work), Box{20, 30, 420, 330}));
    saved.hasSize = true;
    saved.width = 600;
    saved.height = 500;
    EXPECT_TRUE(Same(OpeningBox(saved, created, work), Box{20, 30, 620, 530}));
}

TEST(DialogGeometry, SavedValuesThatCannotBeShownAreBroughtBack)
{
    const Box created{100, 100, 500, 400};
    const Box work{0, 0, 1024, 768};
    WindowPlacement saved;
    saved.hasSize = true;
    saved.width = 50; // smaller than the template
    saved.height = -7;
    EXPECT_TRUE(Same(OpeningBox(saved, created, work), created));
    saved.width = INT_MAX; // larger than the screen
    saved.height = INT_MAX;
    EXPECT_TRUE(Same(OpeningBox(saved, created, work), Box{0, 0, 1024, 768}));
    saved.hasSize = false;
    saved.hasPosition = true;
    saved.x = INT_MIN; // a screen that is no longer there
    saved.y = INT_MAX;
    EXPECT_TRUE(Same(OpeningBox(saved, created, work), Box{0, 468, 400, 768}));
    // A work area smaller than the template: the template's size wins, at the area's corner.
    EXPECT_TRUE(Same(OpeningBox(WindowPlacement{}, created, Box{0, 0, 200, 200}), Box{0, 0, 400, 300}));
}

} // namespace
} // namespace kivet::test
