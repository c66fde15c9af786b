#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/core/store/store_test_support.h"

namespace kivet {
namespace {

struct DuplicateCase {
    const char* name;
    MessageRecord first;
    MessageRecord second;
    int expectedTotal;
};

TEST(MessageStoreDuplicates, PlainDatagramTest)
{
    const DuplicateCase cases[] = {
        {"same datagram twice", TestRecord("hi"), TestRecord("hi"), 1},
        {"different recipient", TestRecord("hi", "Jsmith", "Pc-07"), TestRecord("hi", "Jsmith", "Pc-08"), 2},
        {"different sender", TestRecord("hi", "Jsmith"), TestRecord("hi", "Adoe"), 2},
        {"text differs in case", TestRecord("hi"), TestRecord("Hi"), 2},
        {"sender differs in case", TestRecord("hi", "Jsmith"), TestRecord("hi", "JSmith"), 2},
        {"recipient differs in case", TestRecord("hi", "Jsmith", "Pc-07"), TestRecord("hi", "Jsmith", "PC-07"), 2},
        {"another second, same datagram", TestRecord("hi", "Jsmith", "Pc-07", "01 May 2004 10:00:00"),
         TestRecord("hi", "Jsmith", "Pc-07", "01 May 2004 10:00:05"), 1},
        {"text is a prefix", TestRecord("hi"), TestRecord("hi there"), 2},
    };
    for (const DuplicateCase& c : cases) {
        SCOPED_TRACE(c.name);
        MessageStore store;
        EXPECT_TRUE(store.AppendPlain(c.first));
        EXPECT_EQ(store.AppendPlain(c.second), c.expectedTotal == 2);
        EXPECT_EQ(store.Counts().total, c.expectedTotal);
        EXPECT_EQ(store.Counts().unread, c.expectedTotal);
    }
}

TEST(MessageStoreDuplicates, GroupMessageTest)
{
    const DuplicateCase cases[] = {
        {"same second, text and sender", TestRecord("hi", "Jsmith", "@SALES", "01 May 2004 10:00:00"),
         TestRecord("hi", "Jsmith", "@SALES", "01 May 2004 10:00:00"), 1},
        {"same second through another group", TestRecord("hi", "Jsmith", "@SALES", "01 May 2004 10:00:00"),
         TestRecord("hi", "Jsmith", "@STAFF", "01 May 2004 10:00:00"), 1},
        {"next second", TestRecord("hi", "Jsmith", "@SALES", "01 May 2004 10:00:00"),
         TestRecord("hi", "Jsmith", "@SALES", "01 May 2004 10:00:01"), 2},
        {"another sender", TestRecord("hi", "Jsmith", "@SALES", "01 May 2004 10:00:00"),
         TestRecord("hi", "Adoe", "@SALES", "01 May 2004 10:00:00"), 2},
        {"text differs in case", TestRecord("hi", "Jsmith", "@SALES", "01 May 2004 10:00:00"),
         TestRecord("HI", "Jsmith", "@SALES", "01 May 2004 10:00:00"), 2},
    };
    for (const DuplicateCase& c : cases) {
        SCOPED_TRACE(c.name);
        MessageStore store;
        EXPECT_TRUE(store.AppendGroup(c.first));
        EXPECT_EQ(store.AppendGroup(c.second), c.expectedTotal == 2);
        EXPECT_EQ(store.Counts().total, c.expectedTotal);
    }
}

TEST(MessageStoreDuplicates, OnlyTheLastRecordCounts)
{
    MessageStore store;
    EXPECT_TRUE(store.AppendPlain(TestRecord("a")));
    EXPECT_TRUE(store.AppendPlain(TestRecord("b")));
    EXPECT_TRUE(store.AppendPlain(TestRecord("a")));
    EXPECT_EQ(store.Counts().total, 3);
}

TEST(MessageStoreDuplicates, EmptyStoreHasNoDuplicate)
{
    MessageRecord empty{};
    MessageStore store;
    EXPECT_TRUE(store.AppendPlain(empty));
    store.Clear();
    EXPECT_TRUE(store.AppendGroup(empty));
    EXPECT_EQ(store.Counts().total, 1);
}

TEST(MessageStoreDuplicates, DeletedLastRecordNoLongerCounts)
{
    MessageStore store;
    ASSERT_TRUE(store.AppendPlain(TestRecord("a")));
    store.DeleteCurrent();
    EXPECT_TRUE(store.AppendPlain(TestRecord("a")));
}

// The comparison is made on the stored form: texts that differ only beyond 4999 characters are
// stored alike, so the second is a duplicate.
TEST(MessageStoreDuplicates, ComparesTheStoredCutTexts)
{
    MessageRecord first = TestRecord("");
    MessageRecord second = TestRecord("");
    std::memset(first.text, 'a', sizeof(first.text));
    std::memset(second.text, 'a', sizeof(second.text));
    second.text[sizeof(second.text) - 1] = 'b';
    MessageStore store;
    EXPECT_TRUE(store.AppendPlain(first));
    EXPECT_FALSE(store.AppendPlain(second));
}

} // namespace
} // namespace kivet
