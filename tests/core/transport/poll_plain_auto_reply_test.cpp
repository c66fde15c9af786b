#include "messenger/transport/poll_plain.h"

#include <string>

#include <gtest/gtest.h>

#include "messenger/transport/plain_datagram.h"
#include "tests/fakes/transport_fakes.h"
#include "tests/fakes/table_codec.h"
#include "tests/core/transport/wire_samples.h"

namespace kivet {
namespace {

using namespace std::string_literals;
using test::PlainWire;
using test::ServiceWire;

// Automatic answers given by the Messenger-format poll while Auto-Reply mode is on.
class PollPlainAutoReply : public testing::Test {
protected:
    PollPlainAutoReply()
    {
        context.settings.autoReplyMode = true;
        context.autoReplyMessage = "Back at 3, caf\xE9";
    }

    int Poll() { return PollPlain(reader, writer, test::TestCodec(), context, store); }

    // The answers written: target, then the datagram as read back.
    std::vector<std::pair<std::string, PlainDatagram>> Answers() const
    {
        std::vector<std::pair<std::string, PlainDatagram>> answers;
        for (const test::WrittenDatagram& written : writer.written) {
            EXPECT_EQ(written.path, kPlainMailslot);
            const auto read = ReadPlainDatagram(test::TestCodec(), written.bytes.data(), written.bytes.size());
            EXPECT_TRUE(read.has_value());
            if (read) answers.emplace_back(written.target, *read);
        }
        return answers;
    }

    test::QueueReader reader;
    test::RecordingWriter writer;
    test::ScriptedContext context;
    MessageStore store;
};

TEST_F(PollPlainAutoReply, OwnFormIsAnsweredAtItsOriginComputer)
{
    reader.Push(PlainWire("BOB", "jsmith", "are you there?", "PC-BOB", 0));
    EXPECT_EQ(Poll(), 1);
    const auto answers = Answers();
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].first, "Bob");
    EXPECT_EQ(answers[0].second.sender, "Jsmith (AUTO-REPLY)");
    EXPECT_EQ(answers[0].second.recipient, "Pc-bob");
    EXPECT_EQ(answers[0].second.text, context.autoReplyMessage);
    EXPECT_EQ(answers[0].second.origin, "PC-07");
    EXPECT_EQ(answers[0].second.flag, kPlainFlagAutoReply);
    EXPECT_TRUE(context.resolveQueries.empty());
    EXPECT_EQ(store.Counts().total, 1);
}

TEST_F(PollPlainAutoReply, AnswersAreNotGivenOutsideAutoReplyMode)
{
    context.settings.autoReplyMode = false;
    reader.Push(PlainWire("BOB", "jsmith", "hi", "PC-BOB", 0));
    EXPECT_EQ(Poll(), 1);
    EXPECT_TRUE(writer.written.empty());
}

TEST_F(PollPlainAutoReply, IncomingAutoReplyIsNeverAnsweredInClassesTwoAndThree)
{
    reader.Push(PlainWire("Bob (AUTO-REPLY)", "jsmith", "I am away", "PC-BOB", 1));
    reader.Push(ServiceWire("BOB", "jsmith", "ends in \x01"));
    context.resolvable = {{"Bob", "PC-BOB"}};
    EXPECT_EQ(Poll(), 1);
    EXPECT_TRUE(writer.written.empty());
    EXPECT_EQ(store.Counts().total, 2);
}

TEST_F(PollPlainAutoReply, ByteOneBeforeTheEndOfATwoFieldDatagramIsOnlyText)
{
    context.resolvable = {{"Bob", "PC-BOB"}};
    reader.Push("BOB\0jsmith\0hi\x01!"s);
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(Answers().size(), 1u);
}

TEST_F(PollPlainAutoReply, ServiceFormIsAnsweredAtTheResolvedComputer)
{
    context.resolvable = {{"Bob", "PC-BOB"}};
    reader.Push(ServiceWire("BOB", "PC-07", "hello"));
    EXPECT_EQ(Poll(), 1);
    const auto answers = Answers();
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].first, "Bob");
    EXPECT_EQ(answers[0].second.recipient, "Pc-bob");
    EXPECT_EQ(context.resolveQueries, std::vector<std::string>{"Bob"});
    EXPECT_TRUE(context.confirmQueries.empty());
}

TEST_F(PollPlainAutoReply, UnresolvedSenderIsAnsweredOnlyWhenItsAdapterStatusConfirmsIt)
{
    reader.Push(ServiceWire("BOB", "PC-07", "hello"));
    EXPECT_EQ(Poll(), 1);
    EXPECT_TRUE(writer.written.empty());
    EXPECT_EQ(context.confirmQueries, std::vector<std::string>{"Bob"});

    context.confirmable = {{"Bob", "PC-BOB2"}};
    reader.Push(ServiceWire("BOB", "PC-07", "again"));
    EXPECT_EQ(Poll(), 1);
    const auto answers = Answers();
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].second.recipient, "Pc-bob2");
}

TEST_F(PollPlainAutoReply, EachPieceOfASplitMessageIsAnswered)
{
    for (const std::string& piece : {std::string(300, 'a'), std::string(300, 'b'), "end"s})
        reader.Push(PlainWire("BOB", "jsmith", piece, "PC-BOB", 2));
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(Answers().size(), 3u);
    EXPECT_EQ(store.Counts().total, 1);
}

TEST_F(PollPlainAutoReply, DuplicateIsAnsweredAlthoughNotStored)
{
    reader.Push(PlainWire("BOB", "jsmith", "hi", "PC-BOB", 0));
    reader.Push(PlainWire("BOB", "jsmith", "hi", "PC-BOB", 0));
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(store.Counts().total, 1);
    EXPECT_EQ(Answers().size(), 2u);
}

TEST_F(PollPlainAutoReply, DiscardedDatagramIsNotAnswered)
{
    context.settings.activeIgnorList = true;
    context.ignoreList = {"Bob"};
    reader.Push(PlainWire("BOB", "jsmith", "hi", "PC-BOB", 0));
    EXPECT_EQ(Poll(), -1);
    EXPECT_TRUE(writer.written.empty());
}

TEST_F(PollPlainAutoReply, DatagramWithoutSenderIsNotAnswered)
{
    reader.Push(PlainWire("", "jsmith", "hi", "PC-BOB", 0));
    EXPECT_EQ(Poll(), 1);
    EXPECT_TRUE(writer.written.empty());
    EXPECT_TRUE(context.resolveQueries.empty());
}

TEST_F(PollPlainAutoReply, AnswerCarriesTheComputerNameWhenUseComputerNameIsOn)
{
    context.settings.useComputerName = true;
    reader.Push(PlainWire("BOB", "jsmith", "hi", "PC-BOB", 0));
    EXPECT_EQ(Poll(), 1);
    ASSERT_EQ(Answers().size(), 1u);
    EXPECT_EQ(Answers()[0].second.sender, "Pc-07 (AUTO-REPLY)");
}

} // namespace
} // namespace kivet
