#include <gtest/gtest.h>

#include "tests/core/store/store_test_support.h"

namespace kivet {
namespace {

TEST(MessageStoreCounters, EmptyStoreHasNoCurrentRecord)
{
    MessageStore store;
    const StoreCounts counts = store.Counts();
    EXPECT_EQ(counts.total, 0);
    EXPECT_EQ(counts.unread, 0);
    EXPECT_EQ(counts.current, 0);
    EXPECT_FALSE(store.CurrentRecord().has_value());
    EXPECT_FALSE(store.MarkCurrentRead());
}

TEST(MessageStoreCounters, FirstRecordBecomesCurrentAndLaterOnesDoNot)
{
    MessageStore store;
    store.Append(TestRecord("first"));
    EXPECT_EQ(store.Counts().current, 1);
    store.Append(TestRecord("second"));
    store.Append(TestRecord("third"));
    const StoreCounts counts = store.Counts();
    EXPECT_EQ(counts.total, 3);
    EXPECT_EQ(counts.unread, 3);
    EXPECT_EQ(counts.current, 1);
    EXPECT_EQ(CurrentText(store), "first");
}

TEST(MessageStoreCounters, StoredRecordIsUnreadWhateverTheCallerSet)
{
    MessageStore store;
    MessageRecord record = TestRecord("hello");
    record.unread = 0;
    store.Append(record);
    EXPECT_EQ(store.Counts().unread, 1);
    EXPECT_EQ(store.CurrentRecord()->unread, 1);
}

TEST(MessageStoreCounters, RecordIsMarkedReadOnlyOnce)
{
    MessageStore store;
    Fill(store, 2);
    EXPECT_TRUE(store.MarkCurrentRead());
    EXPECT_FALSE(store.MarkCurrentRead());
    EXPECT_EQ(store.Counts().unread, 1);
    EXPECT_EQ(store.CurrentRecord()->unread, 0);
}

// While the window is minimised its refresh moves the index but marks nothing read; the record
// stays unread until it is displayed in the restored window.
TEST(MessageStoreCounters, RecordArrivingWhileMinimisedStaysUnreadUntilDisplayed)
{
    MessageStore store;
    store.Append(TestRecord("shown"));
    ASSERT_TRUE(store.MarkCurrentRead());

    store.Append(TestRecord("arrived while minimised"));
    store.MakeNewestCurrent(); // jump to the newest, refresh skipped the marking
    EXPECT_EQ(store.Counts().unread, 1);
    EXPECT_EQ(store.CurrentRecord()->unread, 1);

    EXPECT_TRUE(store.MarkCurrentRead()); // the window was restored and drew it
    EXPECT_EQ(store.Counts().unread, 0);
}

TEST(MessageStoreCounters, ClearEmptiesEverything)
{
    MessageStore store;
    Fill(store, 3);
    store.Clear();
    const StoreCounts counts = store.Counts();
    EXPECT_EQ(counts.total, 0);
    EXPECT_EQ(counts.unread, 0);
    EXPECT_EQ(counts.current, 0);
    store.Append(TestRecord("after"));
    EXPECT_EQ(store.Counts().current, 1);
}

} // namespace
} // namespace kivet
