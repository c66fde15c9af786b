// Quick Answers from the main window, sent silently or handed to the send dialog, and reading a
// remote Auto-Reply message over the auto-reply mailslots.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "messenger/send/auto_reply_reading.h"
#include "messenger/send/quick_answer.h"
#include "messenger/transport/auto_reply_datagram.h"
#include "messenger/transport/plain_datagram.h"
#include "tests/core/send/send_doubles.h"
#include "tests/fakes/table_codec.h"
#include "tests/fakes/transport_fakes.h"

namespace kivet::test {
namespace {

TEST(QuickAnswerRoute, FollowsTheStoreAndSilentAnswers)
{
    EXPECT_EQ(ChooseQuickAnswerRoute(true, true), QuickAnswerRoute::OpenWithTextOnly);
    EXPECT_EQ(ChooseQuickAnswerRoute(true, false), QuickAnswerRoute::OpenWithTextOnly);
    EXPECT_EQ(ChooseQuickAnswerRoute(false, false), QuickAnswerRoute::OpenWithSender);
    EXPECT_EQ(ChooseQuickAnswerRoute(false, true), QuickAnswerRoute::SendSilently);
}

class SilentAnswer : public ::testing::Test {
protected:
    SilentAnswerResult Send(std::string_view sender, std::string_view answer = "Back soon")
    {
        SilentAnswerServices services{directory, writer, codec, context,
                                      [this](std::string_view name) {
                                          hostQueries.emplace_back(name);
                                          return knownHosts.count(std::string(name)) != 0;
                                      }};
        return SendQuickAnswerSilently(sender, answer, services);
    }
    PlainDatagram Only()
    {
        EXPECT_EQ(writer.written.size(), 1u);
        const WrittenDatagram& w = writer.written.front();
        return ReadPlainDatagram(codec, w.bytes.data(), w.bytes.size()).value_or(PlainDatagram{});
    }

    const TableCodec& codec = TestCodec();
    TableDirectory directory;
    RecordingWriter writer;
    ScriptedContext context;
    std::set<std::string> knownHosts;
    std::vector<std::string> hostQueries;
};

TEST_F(SilentAnswer, GoesToTheComputerTheSenderIsLoggedOnAt)
{
    directory.resolvable["Bob"] = Record("BOB", "PC-12");
    EXPECT_EQ(Send("Bob (AUTO-REPLY)"), SilentAnswerResult::Sent);
    EXPECT_EQ(writer.written.front().target, "Bob");
    const PlainDatagram d = Only();
    EXPECT_EQ(d.recipient, "Pc-12"); // names are normalised on the wire
    EXPECT_EQ(d.text, "Back soon");
    EXPECT_TRUE(hostQueries.empty());
}

TEST_F(SilentAnswer, ComputerNameKnownToTheHostLookUp)
{
    knownHosts.insert("Pc-44");
    EXPECT_EQ(Send("Pc-44"), SilentAnswerResult::Sent);
    EXPECT_EQ(writer.written.front().target, "Pc-44");
    EXPECT_EQ(Only().recipient, "Pc-44");
}

TEST_F(SilentAnswer, UnknownOrUnusableSendersGetNothing)
{
    EXPECT_EQ(Send("Ghost"), SilentAnswerResult::NotFound);
    EXPECT_EQ(hostQueries, (std::vector<std::string>{"Ghost"}));
    // Names that would leave the mailslot path or reach everybody are not looked up at all.
    for (const char* hostile : {"..\\x", "*", "a\\b", "", " ", ".."}) {
        knownHosts.insert(hostile);
        EXPECT_EQ(Send(hostile), SilentAnswerResult::NotFound) << hostile;
    }
    EXPECT_TRUE(writer.written.empty());
    // A datagram the system did not take was not sent.
    knownHosts.insert("Pc-9");
    writer.refused.insert("Pc-9");
    EXPECT_EQ(Send("Pc-9"), SilentAnswerResult::NotFound);
}

TEST_F(SilentAnswer, LongNamesAndTextsAreHeldToTheirFields)
{
    knownHosts.insert("ABCDEFGHIJKLMNO");
    EXPECT_EQ(Send("ABCDEFGHIJKLMNOPQRSTUVWXYZ", std::string(9000, 'x')), SilentAnswerResult::Sent);
    EXPECT_EQ(writer.written.front().target, "ABCDEFGHIJKLMNO");
    EXPECT_EQ(context.outgoing.size() <= 1u, true);
}

class ReadAutoReply : public ::testing::Test {
protected:
    std::optional<std::string> Read(std::string_view computer)
    {
        AutoReplyReading reading{writer, reader, codec, context};
        return ReadRemoteAutoReply(computer, reading);
    }
    void Answer(const std::string& from, const std::string& message)
    {
        AutoReplyFields f;
        f.kind = kAutoReplyAnswer;
        f.computerName = from;
        f.addressedTo = "PC-07";
        f.message = message;
        const AutoReplyDatagramBytes bytes = BuildAutoReplyDatagram(codec, f);
        reader.Push(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    }

    const TableCodec& codec = TestCodec();
    RecordingWriter writer;
    QueueReader reader;
    ScriptedContext context;
};

TEST_F(ReadAutoReply, AsksTheComputerAndTakesItsAnswer)
{
    Answer("PC-40", "someone else"); // a late answer to an earlier request
    Answer("pc-41", "Out until Monday");
    EXPECT_EQ(Read("PC-41"), std::optional<std::string>("Out until Monday"));
    ASSERT_EQ(writer.written.size(), 1u);
    EXPECT_EQ(writer.written[0].target, "PC-41");
    const AutoReplyFields request =
        ReadAutoReplyDatagram(codec, writer.written[0].bytes.data(), writer.written[0].bytes.size());
    EXPECT_EQ(request.kind, kAutoReplyRequest);
    EXPECT_EQ(request.computerName, "PC-07");
    EXPECT_EQ(request.addressedTo, "PC-41");
}

TEST_F(ReadAutoReply, GivesUpWithoutAnAnswerOnlyAfterTheAskedComputersPollPeriod)
{
    // The asked computer reads requests every 3000 ms; one that arrives just after a poll is
    // answered a whole period later, and the answer needs its way back.
    constexpr unsigned kAnswerPollPeriodMs = 3000;
    EXPECT_FALSE(Read("PC-41"));
    unsigned waited = 0;
    for (unsigned pause : context.pauses) waited += pause;
    EXPECT_GE(waited, kAnswerPollPeriodMs + 1000);
    EXPECT_LE(waited, 10000u);
    EXPECT_EQ(context.pauses, std::vector<unsigned>(kAutoReplyWaitSteps, kAutoReplyWaitStepMs));
}

TEST_F(ReadAutoReply, HostileAnswersAndTargets)
{
    // A flood of answers from elsewhere, then an oversized datagram from the computer asked:
    // the wait stays bounded and the message is held to its field.
    for (int i = 0; i < 2000; ++i) Answer("OTHER", "x");
    EXPECT_FALSE(Read("PC-41"));
    reader.queue.clear();
    std::vector<uint8_t> huge(5000, 'A');
    huge[0] = 1, huge[1] = huge[2] = huge[3] = 0;
    std::memcpy(huge.data() + 4, "PC-41\0", 6);
    reader.Push(huge);
    const std::optional<std::string> message = Read("PC-41");
    ASSERT_TRUE(message);
    EXPECT_LE(message->size(), 255u);
    // Targets that are no computer name write nothing.
    writer.written.clear();
    for (const char* target : {"", "*", "..", "a\\b"}) EXPECT_FALSE(Read(target)) << target;
    EXPECT_TRUE(writer.written.empty());
    writer.refused.insert("PC-50");
    EXPECT_FALSE(Read("PC-50"));
}

} // namespace
} // namespace kivet::test
