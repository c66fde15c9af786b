#include <gtest/gtest.h>

#include <string>

#include "tests/core/store/store_test_support.h"

namespace kivet {
namespace {

struct DeleteCase {
    const char* name;
    int total;
    int current; // made current before the delete, then marked read as the window does
    int expectedTotal;
    int expectedCurrent;
    const char* expectedText;
};

TEST(MessageStoreDelete, DeleteCurrentPicksTheNextOrThePrevious)
{
    const DeleteCase cases[] = {
        {"the only record", 1, 1, 0, 0, "<none>"}, {"record 2 of 3", 3, 2, 2, 2, "3"},
        {"record 3 of 3", 3, 3, 2, 2, "2"},        {"record 1 of 3", 3, 1, 2, 1, "2"},
        {"record 2 of 2", 2, 2, 1, 1, "1"},        {"record 1 of 2", 2, 1, 1, 1, "2"},
    };
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.name);
        MessageStore store;
        Fill(store, c.total);
        for (int i = 1; i < c.current; ++i)
            store.Move(Direction::Next);
        ASSERT_TRUE(store.MarkCurrentRead());
        store.DeleteCurrent();
        const StoreCounts counts = store.Counts();
        EXPECT_EQ(counts.total, c.expectedTotal);
        EXPECT_EQ(counts.current, c.expectedCurrent);
        EXPECT_EQ(counts.unread, c.total - 1);
        EXPECT_EQ(CurrentText(store), c.expectedText);
    }
}

TEST(MessageStoreDelete, DeleteOnAnEmptyStoreDoesNothing)
{
    MessageStore store;
    store.DeleteCurrent();
    const StoreCounts counts = store.Counts();
    EXPECT_EQ(counts.total, 0);
    EXPECT_EQ(counts.current, 0);
    EXPECT_EQ(counts.unread, 0);
}

TEST(MessageStoreDelete, DeletingTheDisplayedRecordKeepsTheOthersUnread)
{
    MessageStore store;
    Fill(store, 3);
    store.Move(Direction::Next);
    ASSERT_TRUE(store.MarkCurrentRead());
    store.DeleteCurrent();
    EXPECT_EQ(store.Counts().unread, 2);
}

// A record deleted before it was ever displayed (the window was minimised) takes its unread mark
// with it: the count must keep matching the records, or the tray would blink for nothing.
TEST(MessageStoreDelete, DeletingAnUndisplayedRecordKeepsTheUnreadCountTrue)
{
    MessageStore store;
    Fill(store, 2);
    store.DeleteCurrent();
    EXPECT_EQ(store.Counts().unread, 1);
    store.DeleteCurrent();
    EXPECT_EQ(store.Counts().unread, 0);
    EXPECT_EQ(store.Counts().total, 0);
}

// Answers the two questions from a script and counts them.
class ScriptedQuestions : public DeleteAllQuestions {
public:
    bool deleteAll = true;
    bool deleteUnread = true;
    int allAsked = 0;
    int unreadAsked = 0;

    bool ConfirmDeleteAll() override
    {
        ++allAsked;
        return deleteAll;
    }
    bool ConfirmDeleteUnread() override
    {
        ++unreadAsked;
        return deleteUnread;
    }
};

TEST(MessageStoreDelete, DeleteAllOnAnEmptyStoreAsksNothing)
{
    MessageStore store;
    ScriptedQuestions questions;
    EXPECT_EQ(store.DeleteAll(questions), DeleteAllResult::NothingToDelete);
    EXPECT_EQ(questions.allAsked, 0);
}

TEST(MessageStoreDelete, DeleteAllOfReadRecordsAsksOnce)
{
    MessageStore store;
    Fill(store, 2);
    ASSERT_TRUE(store.MarkCurrentRead());
    store.Move(Direction::Next);
    ASSERT_TRUE(store.MarkCurrentRead());
    ScriptedQuestions questions;
    EXPECT_EQ(store.DeleteAll(questions), DeleteAllResult::Deleted);
    EXPECT_EQ(questions.allAsked, 1);
    EXPECT_EQ(questions.unreadAsked, 0);
    const StoreCounts counts = store.Counts();
    EXPECT_EQ(counts.total, 0);
    EXPECT_EQ(counts.unread, 0);
    EXPECT_EQ(counts.current, 0);
}

TEST(MessageStoreDelete, DeleteAllWithUnreadRecordsAsksTwice)
{
    MessageStore store;
    Fill(store, 3);
    ScriptedQuestions questions;
    EXPECT_EQ(store.DeleteAll(questions), DeleteAllResult::Deleted);
    EXPECT_EQ(questions.allAsked, 1);
    EXPECT_EQ(questions.unreadAsked, 1);
    EXPECT_EQ(store.Counts().total, 0);
    EXPECT_EQ(store.Counts().unread, 0);
}

TEST(MessageStoreDelete, NoToEitherQuestionKeepsEverything)
{
    for (bool noToFirst : {true, false}) {
        SCOPED_TRACE(noToFirst ? "No to the first" : "No to the second");
        MessageStore store;
        Fill(store, 3);
        store.Move(Direction::Next);
        ASSERT_TRUE(store.MarkCurrentRead());
        ScriptedQuestions questions;
        questions.deleteAll = !noToFirst;
        questions.deleteUnread = false;
        EXPECT_EQ(store.DeleteAll(questions), DeleteAllResult::Cancelled);
        EXPECT_EQ(questions.unreadAsked, noToFirst ? 0 : 1);
        const StoreCounts counts = store.Counts();
        EXPECT_EQ(counts.total, 3);
        EXPECT_EQ(counts.unread, 2);
        EXPECT_EQ(counts.current, 2);
        EXPECT_EQ(CurrentText(store), "2");
    }
}

// A message arriving while the user answers was never among those the user agreed to delete.
TEST(MessageStoreDelete, MessageArrivingWhileAskingIsKept)
{
    MessageStore store;
    Fill(store, 2);
    QuestionsWithSideEffect questions;
    questions.whileAskingAll = [&] { store.Append(TestRecord("late")); };
    EXPECT_EQ(store.DeleteAll(questions), DeleteAllResult::Deleted);
    const StoreCounts counts = store.Counts();
    EXPECT_EQ(counts.total, 1);
    EXPECT_EQ(counts.unread, 1);
    EXPECT_EQ(counts.current, 1);
    EXPECT_EQ(CurrentText(store), "late");
}

// The unread question is about the records being removed, not about one that arrived meanwhile.
TEST(MessageStoreDelete, UnreadArrivalDoesNotAddTheSecondQuestion)
{
    MessageStore store;
    Fill(store, 1);
    ASSERT_TRUE(store.MarkCurrentRead());
    ScriptedQuestions script;
    QuestionsWithSideEffect questions;
    questions.whileAskingAll = [&] { store.Append(TestRecord("late")); };
    questions.whileAskingUnread = [&] { ++script.unreadAsked; };
    EXPECT_EQ(store.DeleteAll(questions), DeleteAllResult::Deleted);
    EXPECT_EQ(script.unreadAsked, 0);
    EXPECT_EQ(CurrentText(store), "late");
}

} // namespace
} // namespace kivet
