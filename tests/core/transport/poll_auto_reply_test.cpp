#include "messenger/transport/poll_auto_reply.h"

#include <string>

#include <gtest/gtest.h>

#include "tests/fakes/transport_fakes.h"
#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

std::vector<uint8_t> AutoReplyWire(uint32_t kind, std::string computer, std::string addressedTo,
                                   std::string message = "")
{
    AutoReplyFields fields;
    fields.kind = kind;
    fields.computerName = std::move(computer);
    fields.addressedTo = std::move(addressedTo);
    fields.message = std::move(message);
    const AutoReplyDatagramBytes bytes = BuildAutoReplyDatagram(test::TestCodec(), fields);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

class PollAutoReplyTest : public testing::Test {
protected:
    PollAutoReplyTest()
    {
        context.settings.autoReplyMode = true;
        context.autoReplyMessage = "Back at 3, caf\xE9";
    }

    int Poll() { return PollAutoReply(reader, writer, test::TestCodec(), context, answer); }

    test::QueueReader reader;
    test::RecordingWriter writer;
    test::ScriptedContext context;
    AutoReplyFields answer;
};

TEST_F(PollAutoReplyTest, RequestIsAnsweredWithTheCurrentMessage)
{
    reader.Push(AutoReplyWire(kAutoReplyRequest, "PC-BOB", "PC-07"));
    EXPECT_EQ(Poll(), -1);
    ASSERT_EQ(writer.written.size(), 1u);
    EXPECT_EQ(writer.written[0].target, "PC-BOB");
    EXPECT_EQ(writer.written[0].path, kAutoReplyMailslot);
    const std::vector<uint8_t>& bytes = writer.written[0].bytes;
    ASSERT_EQ(bytes.size(), 292u);
    const std::string wire(bytes.begin(), bytes.end());
    EXPECT_EQ(wire.substr(0, 4), std::string("\x01\0\0\0", 4));
    EXPECT_EQ(wire.substr(4, 6), std::string("PC-07\0", 6));
    EXPECT_EQ(wire.substr(20, 7), std::string("PC-BOB\0", 7));
    EXPECT_EQ(wire.substr(36, 16), std::string("Back at 3, caf\x82\0", 16));
}

TEST_F(PollAutoReplyTest, RequestIsNotAnsweredOutsideAutoReplyMode)
{
    context.settings.autoReplyMode = false;
    reader.Push(AutoReplyWire(kAutoReplyRequest, "PC-BOB", "PC-07"));
    EXPECT_EQ(Poll(), -1);
    EXPECT_TRUE(writer.written.empty());
    EXPECT_TRUE(reader.queue.empty());
}

TEST_F(PollAutoReplyTest, RequestWithoutRequesterIsNotAnswered)
{
    reader.Push(AutoReplyWire(kAutoReplyRequest, "", "PC-07"));
    EXPECT_EQ(Poll(), -1);
    EXPECT_TRUE(writer.written.empty());
}

TEST_F(PollAutoReplyTest, AnswerIsReturnedAndLaterDatagramsWait)
{
    reader.Push(AutoReplyWire(kAutoReplyRequest, "PC-ALICE", "PC-07"));
    reader.Push(AutoReplyWire(kAutoReplyAnswer, "PC-BOB", "PC-07", "Gone fishing \xE9"));
    reader.Push(AutoReplyWire(kAutoReplyAnswer, "PC-CAROL", "PC-07", "later"));
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(answer.kind, kAutoReplyAnswer);
    EXPECT_EQ(answer.computerName, "PC-BOB");
    EXPECT_EQ(answer.message, "Gone fishing \xE9");
    EXPECT_EQ(writer.written.size(), 1u);
    EXPECT_EQ(reader.queue.size(), 1u);
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(answer.computerName, "PC-CAROL");
}

TEST_F(PollAutoReplyTest, OtherKindsAreSkippedAndTheAnswerIsLeftAlone)
{
    answer.computerName = "untouched";
    reader.Push(AutoReplyWire(5, "PC-BOB", "PC-07", "x"));
    EXPECT_EQ(Poll(), -1);
    EXPECT_EQ(answer.computerName, "untouched");
    EXPECT_TRUE(writer.written.empty());
}

TEST_F(PollAutoReplyTest, QueryFailureEmptyMailslotAndShortDatagramGiveMinusOne)
{
    EXPECT_EQ(Poll(), -1);
    reader.Push(std::vector<uint8_t>{1, 0, 0});
    EXPECT_EQ(Poll(), -1);
    EXPECT_TRUE(reader.queue.empty());
    reader.Push(AutoReplyWire(kAutoReplyAnswer, "PC-BOB", "PC-07"));
    reader.failPeek = true;
    EXPECT_EQ(Poll(), -1);
}

TEST_F(PollAutoReplyTest, ABurstOfShortDatagramsHoldsNoAnswerUp)
{
    for (int i = 0; i < 1000; ++i)
        reader.Push(std::vector<uint8_t>{1});
    reader.Push(AutoReplyWire(kAutoReplyAnswer, "PC-BOB", "PC-07"));
    EXPECT_EQ(Poll(), 1);
    EXPECT_TRUE(reader.queue.empty());
}

TEST_F(PollAutoReplyTest, UnterminatedAnswerIsReadInsideItsFields)
{
    std::vector<uint8_t> wire(292, 'A');
    wire[0] = 1;
    wire[1] = wire[2] = wire[3] = 0;
    reader.Push(wire);
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(answer.computerName, std::string(15, 'A'));
    EXPECT_EQ(answer.message, std::string(255, 'A'));
}

} // namespace
} // namespace kivet
