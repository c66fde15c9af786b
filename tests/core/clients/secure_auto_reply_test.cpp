// The Auto-Reply answer to a secure message goes to the sender's computer as an automatic answer,
// so the other side's Auto-Reply mode does not answer it again.
#include "messenger/clients/secure_auto_reply.h"

#include <gtest/gtest.h>

#include "messenger/transport/mailslot_port.h"
#include "messenger/transport/plain_datagram.h"
#include "tests/fakes/transport_fakes.h"
#include "tests/fakes/table_codec.h"

namespace kivet::test {
namespace {

TEST(SecureAutoReply, AnswersTheSendersComputerWithTheAutoReplyMessageFlaggedAutomatic)
{
    RecordingWriter writer;
    ScriptedContext context;
    context.autoReplyMessage = "Out of office";
    ASSERT_TRUE(SendSecureAutoReply(writer, TestCodec(), context, "ALICE"));

    ASSERT_EQ(writer.written.size(), 1u);
    EXPECT_EQ(writer.written[0].target, "ALICE");
    EXPECT_EQ(writer.written[0].path, kPlainMailslot);
    const auto datagram = ReadPlainDatagram(TestCodec(), writer.written[0].bytes.data(), writer.written[0].bytes.size());
    ASSERT_TRUE(datagram.has_value());
    EXPECT_EQ(datagram->flag, kPlainFlagAutoReply);
    EXPECT_EQ(datagram->recipient, "Alice");
    EXPECT_EQ(datagram->text, "Out of office");
}

TEST(SecureAutoReply, UnreachableComputerIsReported)
{
    RecordingWriter writer;
    writer.refused = {"ALICE"};
    ScriptedContext context;
    EXPECT_FALSE(SendSecureAutoReply(writer, TestCodec(), context, "ALICE"));
}

} // namespace
} // namespace kivet::test
