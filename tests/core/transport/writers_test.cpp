#include "messenger/transport/writers.h"

#include <string>

#include <gtest/gtest.h>

#include "messenger/transport/group_datagram.h"
#include "messenger/transport/plain_datagram.h"
#include "tests/fakes/transport_fakes.h"
#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

using namespace std::string_literals;
using test::TestCodec;

class PlainSend : public testing::Test {
protected:
    bool Send(std::string_view text, uint8_t flag = kPlainFlagOrdinary, std::string_view target = "PC-01")
    {
        return SendPlain(writer, TestCodec(), context, identity, target, "pc-01", text, flag);
    }

    // The text and flag of every datagram written.
    std::vector<std::pair<std::string, uint8_t>> Pieces() const
    {
        std::vector<std::pair<std::string, uint8_t>> pieces;
        for (const test::WrittenDatagram& written : writer.written) {
            const auto read = ReadPlainDatagram(TestCodec(), written.bytes.data(), written.bytes.size());
            EXPECT_TRUE(read.has_value());
            if (read) pieces.emplace_back(read->text, read->flag);
        }
        return pieces;
    }

    test::RecordingWriter writer;
    test::ScriptedContext context;
    SenderIdentity identity{"jsmith", "PC-07"};
    std::vector<std::string> events;
};

TEST_F(PlainSend, ShortTextTravelsInOneDatagramWithTheCallersFlag)
{
    ASSERT_TRUE(Send(std::string(299, 'a')));
    const std::vector<std::pair<std::string, uint8_t>> expected = {{std::string(299, 'a'), 0}};
    EXPECT_EQ(Pieces(), expected);
    EXPECT_TRUE(context.pauses.empty());
    EXPECT_EQ(writer.written[0].target, "PC-01");
    EXPECT_EQ(writer.written[0].path, kPlainMailslot);
}

struct SplitSendRow {
    std::size_t length;
    std::vector<std::size_t> pieceLengths;
    std::size_t pauses;
};

TEST_F(PlainSend, LongTextTravelsInPiecesAllFlaggedTwoWithAPauseAfterEachFullPiece)
{
    const SplitSendRow rows[] = {{300, {300, 0}, 1}, {600, {300, 300, 0}, 2}, {601, {300, 300, 1}, 2}};
    for (const SplitSendRow& row : rows) {
        SCOPED_TRACE(row.length);
        writer.written.clear();
        context.pauses.clear();
        std::string text;
        for (std::size_t i = 0; i < row.length; ++i)
            text.push_back(static_cast<char>('a' + i / 300));
        ASSERT_TRUE(Send(text, kPlainFlagOrdinary));

        std::string joined;
        std::vector<std::size_t> lengths;
        for (const auto& [piece, flag] : Pieces()) {
            EXPECT_EQ(flag, kPlainFlagSplitPiece);
            lengths.push_back(piece.size());
            joined += piece;
        }
        EXPECT_EQ(lengths, row.pieceLengths);
        EXPECT_EQ(joined, text);
        EXPECT_EQ(context.pauses, std::vector<unsigned>(row.pauses, 100));
    }
}

TEST_F(PlainSend, AutoReplyCarriesTheSuffixedSenderAndFlagOne)
{
    context.user = "JSMITH";
    ASSERT_TRUE(SendPlain(writer, TestCodec(), context, LocalSenderIdentity(context), "Bob", "PC-BOB", "away",
                          kPlainFlagAutoReply));
    ASSERT_EQ(writer.written.size(), 1u);
    EXPECT_EQ(test::ToText(writer.written[0].bytes), "Jsmith (AUTO-REPLY)\0Pc-bob\0away\0PC-07\0\x01\0"s);
}

TEST_F(PlainSend, SingleDatagramGoesToTheHistoryBeforeItIsWritten)
{
    context.settings.logHistory = true;
    context.events = &events;
    writer.events = &events;
    ASSERT_TRUE(Send("hello"));
    const std::vector<std::string> expected = {"history Pc-01", "write PC-01"};
    EXPECT_EQ(events, expected);
    ASSERT_EQ(context.outgoing.size(), 1u);
    EXPECT_EQ(context.outgoing[0].second, "hello");
}

TEST_F(PlainSend, SplitMessageGoesToTheHistoryWholeAfterTheLastPiece)
{
    context.settings.logHistory = true;
    context.events = &events;
    writer.events = &events;
    const std::string text = std::string(300, 'a') + "tail";
    ASSERT_TRUE(Send(text));
    const std::vector<std::string> expected = {"write PC-01", "pause 100", "write PC-01", "history Pc-01"};
    EXPECT_EQ(events, expected);
    ASSERT_EQ(context.outgoing.size(), 1u);
    EXPECT_EQ(context.outgoing[0].second, text);
}

TEST_F(PlainSend, NoHistoryWhenLogHistoryIsOff)
{
    ASSERT_TRUE(Send("hello"));
    ASSERT_TRUE(Send(std::string(700, 'x')));
    EXPECT_TRUE(context.outgoing.empty());
}

TEST_F(PlainSend, TargetThatCannotBeOpenedFailsAndStopsTheSplitMessage)
{
    context.settings.logHistory = true;
    writer.refused = {"NOWHERE"};
    EXPECT_FALSE(Send("hello", kPlainFlagOrdinary, "NOWHERE"));
    EXPECT_FALSE(Send(std::string(900, 'x'), kPlainFlagOrdinary, "NOWHERE"));
    EXPECT_TRUE(writer.written.empty());
    EXPECT_TRUE(context.pauses.empty());
    ASSERT_EQ(context.outgoing.size(), 1u); // the single datagram was logged before its write
}

TEST(SenderIdentityChoice, UserNameUnlessUseComputerNameIsOn)
{
    test::ScriptedContext context;
    EXPECT_EQ(LocalSenderIdentity(context).senderName, "jsmith");
    EXPECT_EQ(LocalSenderIdentity(context).originComputer, "PC-07");
    context.settings.useComputerName = true;
    EXPECT_EQ(LocalSenderIdentity(context).senderName, "PC-07");
    EXPECT_EQ(ReceiptSenderIdentity(context).senderName, "jsmith");
}

TEST(GroupSend, WritesOneRecordToTheGroupMailslotOfTheTarget)
{
    test::RecordingWriter writer;
    ASSERT_TRUE(SendGroup(writer, TestCodec(), {"jsmith", "PC-07"}, kGroupMessage, "@Sales", "OFFICE", "hi"));
    ASSERT_EQ(writer.written.size(), 1u);
    EXPECT_EQ(writer.written[0].target, "OFFICE");
    EXPECT_EQ(writer.written[0].path, kGroupMailslot);
    const auto& bytes = writer.written[0].bytes;
    const GroupFields read = ReadGroupDatagram(TestCodec(), bytes.data(), bytes.size());
    EXPECT_EQ(read.groupName, "@Sales");
    EXPECT_EQ(read.targetName, "OFFICE");
    EXPECT_EQ(read.senderComputer, "PC-07");
    EXPECT_EQ(read.senderName, "Jsmith");
    EXPECT_EQ(read.text, "hi");

    writer.refused = {"GONE"};
    EXPECT_FALSE(SendGroup(writer, TestCodec(), {"jsmith", "PC-07"}, kGroupMessage, "@Sales", "GONE", "hi"));
}

TEST(GroupSend, MessageGoesToTheHistoryOncePerSendingOperation)
{
    test::RecordingWriter writer;
    test::ScriptedContext context;
    context.settings.logHistory = true;
    GroupSendHistory history(context);
    const SenderIdentity identity{"jsmith", "PC-07"};
    for (const char* target : {"PC-01", "PC-02", "PC-03"})
        SendGroup(writer, TestCodec(), identity, kGroupMessage, "@Sales", target, "hi", &history);
    SendGroup(writer, TestCodec(), identity, kGroupReceipt, "@Sales", "PC-01", "", &history);
    ASSERT_EQ(context.outgoing.size(), 1u);
    EXPECT_EQ(context.outgoing[0], std::make_pair("@Sales"s, "hi"s));

    history.Reset();
    SendGroup(writer, TestCodec(), identity, kGroupMessage, "@Sales", "PC-01", "again", &history);
    SendGroup(writer, TestCodec(), identity, kGroupMessage, "@Sales", "PC-02", "again", &history);
    EXPECT_EQ(context.outgoing.size(), 2u);

    context.settings.logHistory = false;
    history.Reset();
    SendGroup(writer, TestCodec(), identity, kGroupMessage, "@Sales", "PC-01", "off", &history);
    EXPECT_EQ(context.outgoing.size(), 2u);
}

TEST(AutoReplySend, IsAddressedToTheComputerInItsRecord)
{
    test::RecordingWriter writer;
    AutoReplyFields answer;
    answer.kind = kAutoReplyAnswer;
    answer.computerName = "PC-07";
    answer.addressedTo = "PC-BOB-WITH-A-LONG-NAME";
    answer.message = "away";
    ASSERT_TRUE(SendAutoReply(writer, TestCodec(), answer));
    ASSERT_EQ(writer.written.size(), 1u);
    EXPECT_EQ(writer.written[0].target, "PC-BOB-WITH-A-L");
    EXPECT_EQ(writer.written[0].path, kAutoReplyMailslot);
    EXPECT_EQ(writer.written[0].bytes.size(), 292u);
}

} // namespace
} // namespace kivet
