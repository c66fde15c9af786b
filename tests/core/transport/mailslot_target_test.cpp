// Names that may become the target of a mailslot write, and the writers and readers that must
// never write to anything else: a name taken from a datagram that holds a path would make the
// system connect to whatever host the path names.
#include "messenger/transport/mailslot_target.h"

#include <string>

#include <gtest/gtest.h>

#include "messenger/transport/group_datagram.h"
#include "messenger/transport/plain_datagram.h"
#include "messenger/transport/poll_auto_reply.h"
#include "messenger/transport/poll_group.h"
#include "messenger/transport/poll_plain.h"
#include "messenger/transport/relay_client.h"
#include "messenger/transport/writers.h"
#include "tests/core/transport/wire_samples.h"
#include "tests/fakes/table_codec.h"
#include "tests/fakes/transport_fakes.h"

namespace kivet {
namespace {

using namespace std::string_literals;
using test::TestCodec;

const std::string kHostile[] = {
    "10.1.2.3\\s",      "\\\\evil\\share", "a/b",    "PC:1", "PC?", "PC\"", "<PC>", "PC|x", "",
    "SIXTEEN-CHARS-XX", "PC\x01",          "PC\x7F", ".",    "..",  "....", std::string("A\0B", 3),
};

TEST(MailslotTarget, NetBiosNamesPassAndPathsDoNot)
{
    for (const char* name : {"PC-07", "Jsmith", "OFFICE", "10.1.2.3", "Pc with blanks", "FIFTEEN-CHARS-X", "\x8E\x99"})
        EXPECT_TRUE(IsMailslotTarget(name, Broadcast::Refused)) << name;
    for (const std::string& name : kHostile)
        EXPECT_FALSE(IsMailslotTarget(name, Broadcast::Allowed)) << name;
    EXPECT_TRUE(IsMailslotTarget("*", Broadcast::Allowed));
    EXPECT_FALSE(IsMailslotTarget("*", Broadcast::Refused));
    EXPECT_FALSE(IsMailslotTarget("**", Broadcast::Allowed));
}

TEST(MailslotTarget, WritersWriteNothingToAHostileTarget)
{
    test::RecordingWriter writer;
    test::ScriptedContext context;
    const SenderIdentity identity{"jsmith", "PC-07"};
    AutoReplyFields answer;
    answer.kind = kAutoReplyAnswer;
    answer.computerName = "PC-07";
    for (const std::string& target : kHostile) {
        SCOPED_TRACE(target);
        EXPECT_FALSE(SendPlain(writer, TestCodec(), context, identity, target, "x", "hello", kPlainFlagOrdinary));
        EXPECT_FALSE(
            SendPlain(writer, TestCodec(), context, identity, target, "x", std::string(650, 'a'), kPlainFlagOrdinary));
        EXPECT_FALSE(SendGroup(writer, TestCodec(), identity, kGroupMessage, "@Sales", target, "hi"));
        answer.addressedTo = target;
        // The record's field is cut at its width and at a NUL, as the datagram carries it.
        if (target.size() <= 15 && target.find('\0') == std::string::npos)
            EXPECT_FALSE(SendAutoReply(writer, TestCodec(), answer));
        EXPECT_FALSE(RequestGroupList(writer, target, "jsmith", "PC-07"));
    }
    EXPECT_TRUE(writer.written.empty());
}

// "*" reaches every computer of the domain: the user may send a message there, but an automatic
// answer or a receipt goes back to one computer only.
TEST(MailslotTarget, OnlyWhatTheUserSendsMayBeBroadcast)
{
    test::RecordingWriter writer;
    test::ScriptedContext context;
    const SenderIdentity identity{"jsmith", "PC-07"};
    EXPECT_TRUE(SendPlain(writer, TestCodec(), context, identity, "*", "*", "hello", kPlainFlagOrdinary));
    EXPECT_TRUE(SendGroup(writer, TestCodec(), identity, kGroupMessage, "@Sales", "*", "hi"));
    EXPECT_FALSE(SendPlain(writer, TestCodec(), context, identity, "*", "*", "away", kPlainFlagAutoReply));
    EXPECT_FALSE(SendGroup(writer, TestCodec(), identity, kGroupReceipt, "@Sales", "*", ""));
    AutoReplyFields answer;
    answer.kind = kAutoReplyAnswer;
    answer.addressedTo = "*";
    EXPECT_FALSE(SendAutoReply(writer, TestCodec(), answer));
    EXPECT_EQ(writer.written.size(), 2u);
}

TEST(MailslotTarget, DatagramsNamingAPathAreNotAnswered)
{
    test::QueueReader reader;
    test::RecordingWriter writer;
    test::ScriptedContext context;
    MessageStore store;
    ReceiptTable receipts;
    context.settings.autoReplyMode = true;
    context.autoReplyMessage = "away";

    GroupFields probe;
    probe.kind = kGroupMessage;
    probe.groupName = "@KIVETFAKEGROUP";
    probe.targetName = "*";
    probe.senderComputer = "10.1.2.3\\s";
    probe.senderName = "x";
    const GroupDatagramBytes probeBytes = BuildGroupDatagram(TestCodec(), probe);
    reader.Push(std::vector<uint8_t>(probeBytes.begin(), probeBytes.end()));
    PollGroup(reader, writer, TestCodec(), context, store, receipts);

    reader.Push(test::PlainWire("10.1.2.3\\s", "jsmith", "are you there?", "10.1.2.3\\s", 0));
    PollPlain(reader, writer, TestCodec(), context, store);

    AutoReplyFields request;
    request.kind = kAutoReplyRequest;
    request.computerName = "\\\\evil\\x";
    request.addressedTo = "PC-07";
    const AutoReplyDatagramBytes requestBytes = BuildAutoReplyDatagram(TestCodec(), request);
    reader.Push(std::vector<uint8_t>(requestBytes.begin(), requestBytes.end()));
    AutoReplyFields received;
    PollAutoReply(reader, writer, TestCodec(), context, received);

    for (const test::WrittenDatagram& written : writer.written)
        ADD_FAILURE() << "written to " << written.target << written.path;
    EXPECT_EQ(store.Counts().total, 1) << "the message itself is still stored";
}

} // namespace
} // namespace kivet
