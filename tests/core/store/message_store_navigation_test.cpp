#include <gtest/gtest.h>

#include <vector>

#include "tests/core/store/store_test_support.h"

namespace kivet {
namespace {

struct MoveCase {
    const char* name;
    int total;
    std::vector<Direction> moves; // applied after the store is filled (record 1 current)
    int expectedCurrent;
};

TEST(MessageStoreNavigation, MovesStopAtTheEnds)
{
    const MoveCase cases[] = {
        {"previous on an empty store", 0, {Direction::Previous}, 0},
        {"next on an empty store", 0, {Direction::Next}, 0},
        {"stay on an empty store", 0, {Direction::Stay}, 0},
        {"previous on the first", 3, {Direction::Previous}, 1},
        {"next from the first", 3, {Direction::Next}, 2},
        {"next on the last", 3, {Direction::Next, Direction::Next, Direction::Next}, 3},
        {"next then previous", 3, {Direction::Next, Direction::Next, Direction::Previous}, 2},
        {"stay", 3, {Direction::Next, Direction::Stay}, 2},
        {"next on the only record", 1, {Direction::Next}, 1},
        {"previous on the only record", 1, {Direction::Previous}, 1},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        MessageStore store;
        Fill(store, c.total);
        for (Direction d : c.moves)
            store.Move(d);
        EXPECT_EQ(store.Counts().current, c.expectedCurrent);
        EXPECT_EQ(store.Counts().total, c.total);
    }
}

TEST(MessageStoreNavigation, CurrentRecordFollowsTheIndex)
{
    MessageStore store;
    Fill(store, 3);
    store.Move(Direction::Next);
    EXPECT_EQ(CurrentText(store), "2");
    store.Move(Direction::Next);
    EXPECT_EQ(CurrentText(store), "3");
    store.Move(Direction::Previous);
    EXPECT_EQ(CurrentText(store), "2");
}

TEST(MessageStoreNavigation, NewRecordLeavesTheIndexUnlessTheNewestIsMadeCurrent)
{
    MessageStore store;
    Fill(store, 2);
    store.Append(TestRecord("newest"));
    EXPECT_EQ(CurrentText(store), "1");
    store.MakeNewestCurrent();
    EXPECT_EQ(store.Counts().current, 3);
    EXPECT_EQ(CurrentText(store), "newest");
}

TEST(MessageStoreNavigation, NewestOfAnEmptyStoreIsNone)
{
    MessageStore store;
    store.MakeNewestCurrent();
    EXPECT_EQ(store.Counts().current, 0);
    EXPECT_FALSE(store.CurrentRecord().has_value());
}

TEST(MessageStoreNavigation, CurrentRecordIsACopy)
{
    MessageStore store;
    Fill(store, 1);
    auto copy = store.CurrentRecord();
    ASSERT_TRUE(copy.has_value());
    CopyCut(copy->text, "changed");
    copy->unread = 0;
    EXPECT_EQ(CurrentText(store), "1");
    EXPECT_EQ(store.CurrentRecord()->unread, 1);
}

} // namespace
} // namespace kivet
