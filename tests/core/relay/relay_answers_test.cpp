#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "messenger/transport/relay_client.h"
#include "messenger/transport/relay_datagrams.h"
#include "tests/core/relay/memory_mailslot.h"
#include "tests/core/relay/relay_test_support.h"

namespace kivet {
namespace {

using Names = std::vector<std::string>;

class RelayAnswers : public ::testing::Test {
protected:
    MemoryMailslotReader reader;
    ServerGroupList list;
    RelayTestCodec codec;

    void Receive(std::vector<uint8_t> datagram) { reader.queue.push_back(std::move(datagram)); }
    int Read() { return ReadGroupLists(reader, list, codec); }
};

TEST_F(RelayAnswers, ResetWithThreeNamesLeavesExactlyThose)
{
    list.Add("OLD");
    list.Add("SALES");
    Receive(GroupAnswer(1, 3, {"sales", "Staff", "@it"}));
    EXPECT_EQ(Read(), 1);
    EXPECT_EQ(list.Names(), (Names{"SALES", "STAFF", "@IT"}));
}

TEST_F(RelayAnswers, AnswerWithoutResetAddsToTheList)
{
    list.Add("OLD");
    Receive(GroupAnswer(0, 2, {"sales", "old"}));
    Read();
    EXPECT_EQ(list.Names(), (Names{"OLD", "SALES"}));
}

TEST_F(RelayAnswers, NameArrivingTwiceIsKeptOnce)
{
    Receive(GroupAnswer(0, 3, {"sales", "SALES", "Sales"}));
    Receive(GroupAnswer(0, 1, {"sales"}));
    Read();
    EXPECT_EQ(list.Names(), (Names{"SALES"}));
}

TEST_F(RelayAnswers, EveryWaitingAnswerIsReadAndEachResetAppliesOnce)
{
    Receive(GroupAnswer(1, 1, {"a"}));
    Receive(GroupAnswer(0, 1, {"b"}));
    Receive(GroupAnswer(1, 2, {"c", "d"}));
    Receive(GroupAnswer(0, 1, {"e"}));
    Read();
    EXPECT_TRUE(reader.queue.empty());
    EXPECT_EQ(list.Names(), (Names{"C", "D", "E"}));
}

TEST_F(RelayAnswers, NamesAreUpperCasedWithTheCodec)
{
    Receive(GroupAnswer(0, 1, {"caf\xE9"}));
    Read();
    EXPECT_EQ(list.Names(), (Names{"CAF\xC9"}));
}

TEST_F(RelayAnswers, HugeAnnouncedCountReadsAtMost19)
{
    Receive(GroupAnswer(0, 1000000, NumberedNames("g", 19)));
    Read();
    EXPECT_EQ(list.Names().size(), 19u);
    EXPECT_TRUE(list.Contains("G18"));
}

TEST_F(RelayAnswers, CountIsReadAsUnsignedLittleEndian)
{
    Receive(GroupAnswer(0, 0xFFFFFFFFu, {"a", "b"}));
    Receive(GroupAnswer(0, 0x00000100u, {"c"})); // 256: byte order matters
    Receive(GroupAnswer(0, 0x01000000u, {"d"}));
    Read();
    EXPECT_EQ(list.Names(), (Names{"A", "B", "C", "D"}));
}

TEST_F(RelayAnswers, AnnouncedCountBoundsTheEntries)
{
    Receive(GroupAnswer(0, 2, {"a", "b", "c"}));
    Receive(GroupAnswer(1, 0, {"d"}));
    Read();
    EXPECT_TRUE(list.Names().empty()); // the second answer reset the list and named nothing
}

// A datagram without the reset flag and the count is not an answer: the list stays.
TEST_F(RelayAnswers, ShortDatagramIsIgnoredAndTheListKept)
{
    for (std::size_t size : {0u, 1u, 4u, 7u}) {
        SCOPED_TRACE(size);
        list.Reset();
        list.Add("KEPT");
        Receive(GroupAnswer(1, 5, {}, size));
        Receive(GroupAnswer(0, 1, {"next"}));
        EXPECT_EQ(Read(), 1);
        EXPECT_EQ(list.Names(), (Names{"KEPT", "NEXT"}));
    }
}

// An answer shorter than its 420 bytes is read as zero-filled: 8 bytes with the reset flag set say
// "no groups", whatever count they announce.
TEST_F(RelayAnswers, ShortAnswerWithTheResetFlagEmptiesTheList)
{
    for (std::size_t size : {8u, 20u, 39u, 40u}) {
        SCOPED_TRACE(size);
        list.Add("OLD");
        Receive(GroupAnswer(1, 1000000, {}, size));
        Read();
        EXPECT_TRUE(list.Names().empty());
    }
}

// Entries end at the datagram: with 1,000,000 announced, a 100-byte datagram holds three entries,
// the last of them 20 bytes long, a 50-byte one an entry cut after 10 bytes.
TEST_F(RelayAnswers, EntriesStopAtTheReceivedLength)
{
    Receive(GroupAnswer(0, 1000000, {"one", "two", "three", "four"}, 100));
    Receive(GroupAnswer(0, 1000000, {"abcdefghijklmnop"}, 50));
    Read();
    EXPECT_EQ(list.Names(), (Names{"ONE", "TWO", "THREE", "ABCDEFGHIJ"}));
}

TEST_F(RelayAnswers, UnterminatedEntriesAreCutTo19Characters)
{
    const std::string full(20, 'x');
    Receive(GroupAnswer(0, 19, Names(19, full)));
    Receive(GroupAnswer(0, 2, {std::string(20, 'y'), "z"}));
    Read();
    EXPECT_EQ(list.Names(), (Names{std::string(19, 'X'), std::string(19, 'Y'), "Z"}));
}

TEST_F(RelayAnswers, EmptyEntriesAreSkipped)
{
    Receive(GroupAnswer(0, 3, {"", "b", ""}));
    Read();
    EXPECT_EQ(list.Names(), (Names{"B"}));
}

TEST_F(RelayAnswers, LongerDatagramIsCutTo420Bytes)
{
    Receive(GroupAnswer(0, 1000000, NumberedNames("n", 40), 1000));
    Read();
    const Names names = list.Names();
    EXPECT_EQ(names.size(), 19u);
    EXPECT_EQ(names.back(), "N18");
    EXPECT_FALSE(list.Contains("N19"));
}

TEST_F(RelayAnswers, ListHoldsAtMost50Groups)
{
    Receive(GroupAnswer(0, 19, NumberedNames("a", 19)));
    Receive(GroupAnswer(0, 19, NumberedNames("b", 19)));
    Receive(GroupAnswer(0, 19, NumberedNames("c", 19)));
    Read();
    EXPECT_EQ(list.Names().size(), 50u);
    EXPECT_TRUE(list.Contains("C11"));
    EXPECT_FALSE(list.Contains("C12"));

    Receive(GroupAnswer(1, 1, {"fresh"}));
    Read();
    EXPECT_EQ(list.Names(), (Names{"FRESH"}));
}

TEST_F(RelayAnswers, FailedQueryReadsNothing)
{
    reader.failPeek = true;
    Receive(GroupAnswer(1, 1, {"a"}));
    EXPECT_EQ(Read(), 1);
    EXPECT_EQ(reader.reads, 0);
    EXPECT_TRUE(list.Names().empty());
}

TEST_F(RelayAnswers, FailedReadStopsAndLeavesTheListAlone)
{
    list.Add("KEPT");
    reader.failRead = true;
    Receive(GroupAnswer(1, 1, {"a"}));
    EXPECT_EQ(Read(), 1);
    EXPECT_EQ(reader.queue.size(), 1u);
    EXPECT_EQ(list.Names(), (Names{"KEPT"}));
}

// The parser alone, on buffers of exactly the received size: AddressSanitizer reports any read
// past them.
TEST(RelayAnswerParse, ReadsNothingPastTheBuffer)
{
    for (std::size_t size = 0; size <= 460; ++size) {
        SCOPED_TRACE(size);
        const std::vector<uint8_t> pattern = GroupAnswer(1, 1000000, Names(19, std::string(20, 'q')), size);
        std::unique_ptr<uint8_t[]> exact(new uint8_t[size == 0 ? 1 : size]);
        std::copy(pattern.begin(), pattern.end(), exact.get());
        const auto answer = ParseGroupListAnswer(exact.get(), size);
        if (size < 8) {
            EXPECT_FALSE(answer.has_value());
            continue;
        }
        ASSERT_TRUE(answer.has_value());
        const std::size_t within = size < 420 ? size : 420;
        EXPECT_EQ(answer->entries.size(), within <= 40 ? 0 : (within - 40 + 19) / 20);
        for (const std::string& entry : answer->entries)
            EXPECT_LE(entry.size(), 19u);
    }
}

TEST(RelayAnswerParse, NullBufferIsRefused)
{
    EXPECT_FALSE(ParseGroupListAnswer(nullptr, 420).has_value());
}

} // namespace
} // namespace kivet
