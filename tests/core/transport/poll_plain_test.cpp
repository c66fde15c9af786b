#include "messenger/transport/poll_plain.h"
#include "messenger/transport/mailslot_poll.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "common/fixed_text.h"
#include "tests/fakes/transport_fakes.h"
#include "tests/fakes/table_codec.h"
#include "tests/core/transport/wire_samples.h"

namespace kivet {
namespace {

using namespace std::string_literals;
using test::PlainWire;
using test::ServiceWire;

class PollPlainTest : public testing::Test {
protected:
    int Poll() { return PollPlain(reader, writer, test::TestCodec(), context, store); }
    std::vector<MessageRecord> Records() { return test::StoredRecords(store); }

    std::vector<std::string> Texts()
    {
        std::vector<std::string> texts;
        for (const MessageRecord& record : Records())
            texts.emplace_back(FieldText(record.text));
        return texts;
    }

    void PushMessage(std::string_view text, std::string_view recipient = "jsmith", std::string_view sender = "BOB")
    {
        reader.Push(PlainWire(sender, recipient, text, "PC-BOB", 0));
    }

    void PushPiece(std::string_view text, std::string_view sender = "BOB", std::string_view recipient = "jsmith",
                   std::string_view origin = "PC-BOB")
    {
        reader.Push(PlainWire(sender, recipient, text, origin, 2));
    }

    // Sender and text of every stored record, oldest first.
    std::vector<std::pair<std::string, std::string>> SendersAndTexts()
    {
        std::vector<std::pair<std::string, std::string>> stored;
        for (const MessageRecord& record : Records())
            stored.emplace_back(FieldText(record.sender), FieldText(record.text));
        return stored;
    }

    test::QueueReader reader;
    test::RecordingWriter writer;
    test::ScriptedContext context;
    MessageStore store;
};

using TextList = std::vector<std::string>;
using SenderTextList = std::vector<std::pair<std::string, std::string>>;

// Hands out the datagrams of a queue and fails every read after the first ones.
class FailingReader final : public MailslotReader {
public:
    FailingReader(test::QueueReader& queue, int goodReads) : queue_(queue), goodReads_(goodReads) {}

    bool Peek(uint32_t& nextSize, uint32_t& waiting) override { return queue_.Peek(nextSize, waiting); }
    bool Read(std::vector<uint8_t>& datagram) override { return goodReads_-- > 0 && queue_.Read(datagram); }

private:
    test::QueueReader& queue_;
    int goodReads_;
};

TEST_F(PollPlainTest, QueryFailureOrEmptyMailslotGivesMinusOne)
{
    EXPECT_EQ(Poll(), -1);
    PushMessage("hi");
    reader.failPeek = true;
    EXPECT_EQ(Poll(), -1);
    EXPECT_EQ(reader.reads, 0);
    EXPECT_EQ(store.Counts().total, 0);
}

// Datagrams shorter than any header cost nothing to drop: a burst of them is cleared in the same
// pass, at the head and between messages, instead of one per tick.
TEST_F(PollPlainTest, ABurstOfShortDatagramsIsDroppedWithinOnePass)
{
    for (int i = 0; i < 1000; ++i)
        reader.Push("x"s);
    PushMessage("after");
    reader.Push("A\0B\0x"s);
    PushMessage("last");
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(Texts(), (TextList{"after", "last"}));
    EXPECT_TRUE(reader.queue.empty());
}

TEST_F(PollPlainTest, AnEndlessBurstOfShortDatagramsEndsThePassAtItsAllowance)
{
    for (int i = 0; i < kMostShortDatagramsPerPass + 5; ++i)
        reader.Push("x"s);
    PushMessage("after");
    EXPECT_EQ(Poll(), -1);
    EXPECT_EQ(reader.queue.size(), 6u);
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(Texts(), (TextList{"after"}));
}

TEST_F(PollPlainTest, StoredRecordIsNormalisedAndConvertedFromOem)
{
    reader.Push(PlainWire("\x90LODIE", "jSMITH", "caf\x82", "PC-\x8E", 0));
    EXPECT_EQ(Poll(), 1);
    const std::vector<MessageRecord> records = Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].unread, 1);
    EXPECT_EQ(records[0].secure, 0);
    EXPECT_EQ(FieldText(records[0].receivedAt), context.receivedAt);
    EXPECT_EQ(FieldText(records[0].sender), "\xC9lodie");
    EXPECT_EQ(FieldText(records[0].recipient), "Jsmith");
    EXPECT_EQ(FieldText(records[0].text), "caf\xE9");
    EXPECT_EQ(FieldText(records[0].originName), "PC-\xC4");
    EXPECT_EQ(context.pauses, std::vector<unsigned>{100});
}

TEST_F(PollPlainTest, ServiceFormIsStoredWithoutOrigin)
{
    reader.Push(ServiceWire("PC-01", "PC-07", "Server going down"));
    EXPECT_EQ(Poll(), 1);
    const std::vector<MessageRecord> records = Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(FieldText(records[0].sender), "Pc-01");
    EXPECT_EQ(FieldText(records[0].originName), "");
}

TEST_F(PollPlainTest, InvalidDatagramsAreSkippedAndThePassGoesOn)
{
    reader.Push("garbage without terminators"s);
    reader.Push("\0\0text\0"s);
    reader.Push("only\0one"s);
    PushMessage("kept");
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(Texts(), (TextList{"kept"}));
    EXPECT_TRUE(reader.queue.empty());
}

TEST_F(PollPlainTest, PassWithOnlyDuplicatesStillReturnsOne)
{
    PushMessage("same");
    PushMessage("same");
    EXPECT_EQ(Poll(), 1);
    PushMessage("same");
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(Texts(), (TextList{"same"}));
}

TEST_F(PollPlainTest, SameTextToAnotherRecipientIsStoredAgain)
{
    PushMessage("same", "jsmith");
    PushMessage("same", "PC-07");
    PushMessage("same", "jsmith", "ALICE");
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(store.Counts().total, 3);
}

TEST_F(PollPlainTest, StoredMessagesGoToTheHistoryAndDuplicatesDoNot)
{
    context.settings.logHistory = true;
    PushMessage("one");
    PushMessage("one");
    PushMessage("two");
    EXPECT_EQ(Poll(), 1);
    ASSERT_EQ(context.incoming.size(), 2u);
    EXPECT_EQ(FieldText(context.incoming[1].text), "two");
}

TEST_F(PollPlainTest, ThreePiecesBecomeOneRecord)
{
    PushPiece(std::string(300, 'a'));
    PushPiece(std::string(300, 'b'));
    PushPiece("end");
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(Texts(), (TextList{std::string(300, 'a') + std::string(300, 'b') + "end"}));
    EXPECT_EQ(FieldText(Records()[0].sender), "Bob");
}

TEST_F(PollPlainTest, PieceReceivedTwiceInARowIsJoinedOnce)
{
    PushPiece(std::string(300, 'a'));
    PushPiece(std::string(300, 'a'));
    PushPiece("end");
    PushPiece("end");
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(Texts(), (TextList{std::string(300, 'a') + "end"}));
}

TEST_F(PollPlainTest, OrdinaryMessageBetweenPiecesOfTheSameSenderIsStored)
{
    PushMessage("before");
    PushPiece(std::string(300, 'a'));
    PushMessage("between");
    PushPiece("end");
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(Texts(), (TextList{"before", "between", std::string(300, 'a') + "end"}));
}

TEST_F(PollPlainTest, OrdinaryMessageFromAnotherSenderBetweenPiecesIsStored)
{
    context.settings.logHistory = true;
    PushPiece(std::string(300, 'a'));
    PushMessage("hello", "jsmith", "ALICE");
    PushMessage("hello", "jsmith", "ALICE");
    PushMessage("again", "jsmith", "ALICE");
    PushPiece("end");
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(SendersAndTexts(),
              (SenderTextList{{"Alice", "hello"}, {"Alice", "again"}, {"Bob", std::string(300, 'a') + "end"}}));
    EXPECT_EQ(context.incoming.size(), 3u);
}

TEST_F(PollPlainTest, InterleavedPiecesOfTwoSendersGiveTwoRecords)
{
    PushPiece(std::string(300, 'a'));
    PushPiece(std::string(300, 'x'), "ALICE", "jsmith", "PC-ALICE");
    PushPiece(std::string(300, 'b'));
    PushPiece("alice ends", "ALICE", "jsmith", "PC-ALICE");
    PushPiece("bob ends");
    EXPECT_EQ(Poll(), 1);
    const std::vector<MessageRecord> records = Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(FieldText(records[0].sender), "Bob");
    EXPECT_EQ(FieldText(records[0].text), std::string(300, 'a') + std::string(300, 'b') + "bob ends");
    EXPECT_EQ(FieldText(records[0].originName), "PC-BOB");
    EXPECT_EQ(FieldText(records[1].sender), "Alice");
    EXPECT_EQ(FieldText(records[1].text), std::string(300, 'x') + "alice ends");
    EXPECT_EQ(FieldText(records[1].originName), "PC-ALICE");
}

TEST_F(PollPlainTest, RepeatedPieceIsJoinedOnceWhenAnotherSendersPieceCameBetween)
{
    PushPiece(std::string(300, 'a'));
    PushPiece(std::string(300, 'x'), "ALICE", "jsmith", "PC-ALICE");
    PushPiece(std::string(300, 'a'));
    PushPiece(std::string(300, 'x'), "ALICE", "jsmith", "PC-ALICE");
    PushPiece("end");
    PushPiece("", "ALICE", "jsmith", "PC-ALICE");
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(SendersAndTexts(),
              (SenderTextList{{"Bob", std::string(300, 'a') + "end"}, {"Alice", std::string(300, 'x')}}));
}

TEST_F(PollPlainTest, PiecesToAnotherRecipientOrFromAnotherOriginAreAnotherMessage)
{
    PushPiece("to jsmith ");
    PushPiece("to PC-07 ", "BOB", "PC-07");
    PushPiece("from PC-BOB2 ", "BOB", "jsmith", "PC-BOB2");
    PushPiece("end");
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(Texts(), (TextList{"to jsmith end", "to PC-07 ", "from PC-BOB2 "}));
    EXPECT_EQ(FieldText(Records()[1].recipient), "Pc-07");
}

TEST_F(PollPlainTest, NamesDifferingOnlyInCaseBelongToTheSameMessageWhichKeepsTheLastPiecesFields)
{
    PushPiece(std::string(300, 'a'), "BOB", "JSMITH", "PC-BOB");
    PushPiece("end", "bob", "jsmith", "pc-bob");
    EXPECT_EQ(Poll(), 1);
    const std::vector<MessageRecord> records = Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(FieldText(records[0].text), std::string(300, 'a') + "end");
    EXPECT_EQ(FieldText(records[0].sender), "Bob");
    EXPECT_EQ(FieldText(records[0].recipient), "Jsmith");
    EXPECT_EQ(FieldText(records[0].originName), "pc-bob");
}

TEST_F(PollPlainTest, BeyondSixteenOpenMessagesTheOldestIsStoredAtOnce)
{
    context.settings.logHistory = true;
    for (int sender = 0; sender <= 16; ++sender)
        PushPiece("piece " + std::to_string(sender), "SENDER" + std::to_string(sender));
    PushMessage("ordinary");
    PushPiece(" more", "SENDER0");
    EXPECT_EQ(Poll(), 1);

    // Sender 0's message made room for sender 16's and was stored before the ordinary message; its
    // later piece opened a new message, which made room in turn by storing sender 1's.
    TextList expected{"piece 0", "ordinary", "piece 1"};
    for (int sender = 2; sender <= 16; ++sender)
        expected.push_back("piece " + std::to_string(sender));
    expected.push_back(" more");
    EXPECT_EQ(Texts(), expected);
    EXPECT_EQ(context.incoming.size(), expected.size());
}

TEST_F(PollPlainTest, ManySendersOfPiecesNeverLoseAMessage)
{
    for (int round = 0; round < 3; ++round)
        for (int sender = 0; sender < 40; ++sender)
            PushPiece(std::string(300, static_cast<char>('a' + round)), "SENDER" + std::to_string(sender));
    while (!reader.queue.empty()) // a pass takes at most its share
        EXPECT_EQ(Poll(), 1);
    // Each sender's pieces are more than 16 messages apart, so every piece ends up a message of its
    // own; none is dropped and none is joined to another sender's.
    const SenderTextList stored = SendersAndTexts();
    ASSERT_EQ(stored.size(), 120u);
    for (std::size_t i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(stored[i].first, "Sender" + std::to_string(i % 40));
        EXPECT_EQ(stored[i].second, std::string(300, static_cast<char>('a' + i / 40)));
    }
}

TEST_F(PollPlainTest, JoinedTextIsCutToTheRecordsWidth)
{
    for (int i = 0; i < 17; ++i)
        PushPiece(std::string(300, static_cast<char>('a' + i)));
    EXPECT_EQ(Poll(), 1);
    const std::string text = Texts().at(0);
    EXPECT_EQ(text.size(), 4999u);
    EXPECT_EQ(text.substr(4800), std::string(199, 'q'));
}

TEST_F(PollPlainTest, JoinedMessageSkipsTheDuplicateTestAndGoesToTheHistory)
{
    context.settings.logHistory = true;
    for (int poll = 0; poll < 2; ++poll) {
        PushPiece(std::string(300, 'a'));
        PushPiece("");
        EXPECT_EQ(Poll(), 1);
    }
    EXPECT_EQ(Texts(), (TextList{std::string(300, 'a'), std::string(300, 'a')}));
    EXPECT_EQ(context.incoming.size(), 2u);
}

struct WorkgroupRow {
    const char* recipient;
    bool discarded;
};

TEST_F(PollPlainTest, IgnorWorkgroupDropsWorkgroupAndStarMessagesAndKeepsTheUsers)
{
    context.settings.ignorWorkgroup = true;
    const WorkgroupRow rows[] = {
        {"OFFICE", true}, {"office", true}, {"*", true}, {"jsmith", false}, {"OFFICE2", false}, {"PC-07", false},
    };
    for (const WorkgroupRow& row : rows) {
        SCOPED_TRACE(row.recipient);
        store.Clear();
        PushMessage("hello", row.recipient);
        EXPECT_EQ(Poll(), row.discarded ? -1 : 1);
        EXPECT_EQ(store.Counts().total, row.discarded ? 0 : 1);
    }
}

TEST_F(PollPlainTest, WorkgroupMessagesAreStoredWhenIgnorWorkgroupIsOff)
{
    PushMessage("to all", "OFFICE");
    PushMessage("to star", "*");
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(store.Counts().total, 2);
}

TEST_F(PollPlainTest, UnknownWorkgroupDoesNotMatchAnEmptyRecipient)
{
    context.settings.ignorWorkgroup = true;
    context.workgroup = "";
    PushMessage("hello", "");
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(store.Counts().total, 1);
}

TEST_F(PollPlainTest, IgnoreListDropsEverythingFromThatSender)
{
    context.settings.activeIgnorList = true;
    context.ignoreList = {"Bob"};
    PushMessage("one", "jsmith", "BOB");
    EXPECT_EQ(Poll(), -1);
    PushMessage("two", "jsmith", "bob");
    EXPECT_EQ(Poll(), -1);
    PushMessage("three", "jsmith", "ALICE");
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(Texts(), (TextList{"three"}));

    context.settings.activeIgnorList = false;
    PushMessage("four", "jsmith", "BOB");
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(store.Counts().total, 2);
}

TEST_F(PollPlainTest, DiscardedDatagramIsPassedOverAndThePassGoesOn)
{
    context.settings.ignorWorkgroup = true;
    PushMessage("first");
    PushMessage("to workgroup", "OFFICE");
    PushMessage("third");
    EXPECT_EQ(Poll(), -1);
    EXPECT_EQ(Texts(), (TextList{"first", "third"}));
    EXPECT_TRUE(reader.queue.empty());
}

TEST_F(PollPlainTest, AnIgnoredSenderFloodingTheMailslotHoldsNobodyUp)
{
    context.settings.activeIgnorList = true;
    context.ignoreList = {"Bob"};
    for (int i = 0; i < 40; ++i)
        PushMessage("spam " + std::to_string(i), "jsmith", "BOB");
    PushMessage("meeting at ten", "jsmith", "ALICE");
    Poll();
    EXPECT_EQ(Texts(), (TextList{"meeting at ten"}));
    EXPECT_TRUE(context.pauses.size() <= 1u) << "no waiting while datagrams are queued";
}

TEST_F(PollPlainTest, APassReadsAtMostItsShareAndLeavesTheRestForTheNextTick)
{
    for (int i = 0; i < kMostDatagramsPerPass + 10; ++i)
        PushMessage("message " + std::to_string(i));
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(store.Counts().total, kMostDatagramsPerPass);
    EXPECT_EQ(reader.queue.size(), 10u);
    EXPECT_TRUE(context.pauses.empty()) << "the pass ends at its limit without waiting";
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(store.Counts().total, kMostDatagramsPerPass + 10);
}

TEST_F(PollPlainTest, PiecesCollectedBeforeADiscardAreStillStored)
{
    context.settings.ignorWorkgroup = true;
    PushPiece(std::string(300, 'a'));
    PushPiece("end");
    PushMessage("to workgroup", "OFFICE");
    EXPECT_EQ(Poll(), -1);
    EXPECT_EQ(Texts(), (TextList{std::string(300, 'a') + "end"}));
}

TEST_F(PollPlainTest, PiecesOnBothSidesOfADiscardedDatagramAreJoined)
{
    context.settings.ignorWorkgroup = true;
    PushPiece(std::string(300, 'a'));
    PushPiece(std::string(300, 'x'), "ALICE");
    PushPiece("end");
    PushMessage("to workgroup", "OFFICE");
    PushPiece("and the rest", "ALICE");
    EXPECT_EQ(Poll(), -1);
    EXPECT_EQ(SendersAndTexts(), (SenderTextList{{"Bob", std::string(300, 'a') + "end"},
                                                 {"Alice", std::string(300, 'x') + "and the rest"}}));
    EXPECT_TRUE(reader.queue.empty());
}

TEST_F(PollPlainTest, EveryCollectedMessageIsStoredWhenAReadFails)
{
    PushPiece(std::string(300, 'a'));
    PushMessage("between", "jsmith", "CAROL");
    PushPiece(std::string(300, 'x'), "ALICE");
    PushPiece("never read");
    FailingReader failing(reader, 3);
    EXPECT_EQ(PollPlain(failing, writer, test::TestCodec(), context, store), -1);
    EXPECT_EQ(SendersAndTexts(),
              (SenderTextList{{"Carol", "between"}, {"Bob", std::string(300, 'a')}, {"Alice", std::string(300, 'x')}}));
}

TEST_F(PollPlainTest, OversizedDatagramIsReadWholeAndCut)
{
    reader.Push("BOB\0jsmith\0"s + std::string(70000, 'x'));
    PushMessage("next");
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(Texts(), (TextList{std::string(300, 'x'), "next"}));
    EXPECT_TRUE(reader.queue.empty());
}

TEST_F(PollPlainTest, OversizedDatagramLosesWhatLiesBeyondTheReadBuffer)
{
    // Origin and flag lie past byte 372: what is left is a two-field datagram, not a split piece.
    reader.Push("BOB\0jsmith\0"s + std::string(400, 'x') + "\0PC-BOB\0\x02\0"s);
    EXPECT_EQ(Poll(), 1);
    const std::vector<MessageRecord> records = Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(FieldText(records[0].originName), "");
    EXPECT_EQ(FieldText(records[0].text), std::string(300, 'x'));
}

TEST_F(PollPlainTest, ReadFailureEndsThePollWithMinusOne)
{
    PushMessage("hello");
    reader.failRead = true;
    EXPECT_EQ(Poll(), -1);
    EXPECT_EQ(store.Counts().total, 0);
}

TEST_F(PollPlainTest, LongNamesAreCutToTheRecordsFields)
{
    reader.Push(PlainWire(std::string(100, 'S'), std::string(100, 'R'), "t", std::string(100, 'O'), 0));
    EXPECT_EQ(Poll(), 1);
    const MessageRecord record = Records().at(0);
    EXPECT_EQ(FieldText(record.sender), "S" + std::string(30, 's'));
    EXPECT_EQ(FieldText(record.recipient), "R" + std::string(14, 'r'));
    EXPECT_EQ(FieldText(record.originName), std::string(16, 'O'));
}

} // namespace
} // namespace kivet
