// Sends through the real mailslot writer into mailslots of this process: what arrives, what a
// target the system cannot open does to the report, and a group send whose receipt comes back
// through the real group mailslot.
#include <windows.h>

#include <gtest/gtest.h>

#include "messenger/send/send_services.h"
#include "messenger/send/transport_receipt_poll.h"
#include "messenger/transport/mailslot_port.h"
#include "messenger/transport/plain_datagram.h"
#include "messenger/transport/win32/mailslots.h"
#include "tests/core/send/send_doubles.h"
#include "tests/fakes/transport_fakes.h"
#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

using Strings = std::vector<std::string>;

class MailslotSend : public ::testing::Test {
protected:
    MailslotSend()
        : plainSlot(CreateProgramMailslot(kPlainMailslot)), groupSlot(CreateProgramMailslot(kGroupMailslot)),
          plainReader(plainSlot), groupReader(groupSlot), writer("PC1"),
          poll(groupReader, writer, codec, context, store, results, {}),
          services{directory, writer, codec,   context, lists,  secure, prompts, poll, results, dialog, log,
                   test::EnglishSendTexts(), consent}
    {
        directory.computer = "PC1";
        directory.user = "JSMITH";
        directory.resolvable["PC1"] = test::Record("JSMITH", "PC1");
        directory.resolvable["PC2"] = test::Record("BOB", "PC2");
        context.computer = "PC1";
        context.user = "JSMITH";
        consent.Set(true);
    }
    ~MailslotSend() override
    {
        CloseHandle(plainSlot);
        CloseHandle(groupSlot);
    }

    void SetUp() override
    {
        ASSERT_NE(plainSlot, INVALID_HANDLE_VALUE);
        ASSERT_NE(groupSlot, INVALID_HANDLE_VALUE);
    }

    int Send(std::string_view recipients, std::string_view text)
    {
        return RunSendingThread(SendRequest{std::string(recipients), std::string(text), settings}, services);
    }

    std::vector<PlainDatagram> Received()
    {
        std::vector<PlainDatagram> out;
        std::vector<uint8_t> bytes;
        while (plainReader.Read(bytes)) {
            auto datagram = ReadPlainDatagram(codec, bytes.data(), bytes.size());
            EXPECT_TRUE(datagram.has_value());
            if (datagram) out.push_back(*datagram);
        }
        return out;
    }

    const test::TableCodec& codec = test::TestCodec();
    HANDLE plainSlot, groupSlot;
    Win32MailslotReader plainReader, groupReader;
    Win32MailslotWriter writer;
    test::TableDirectory directory;
    test::ScriptedContext context;
    test::TableLists lists;
    test::ScriptedSecure secure;
    test::ScriptedPrompts prompts;
    MessageStore store;
    ReceiptTable results;
    test::RecordingDialog dialog;
    test::RecordingLog log;
    NonSecureConsent consent;
    SendSettings settings;
    TransportReceiptPoll poll;
    SendServices services;
};

TEST_F(MailslotSend, AMessageArrivesWhole)
{
    Send("PC1", "hello \xE4 there");
    const std::vector<PlainDatagram> got = Received();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].datagramClass, 3);
    EXPECT_EQ(got[0].flag, 0);
    EXPECT_EQ(got[0].sender, "Jsmith");
    EXPECT_EQ(got[0].recipient, "Pc1");
    EXPECT_EQ(got[0].text, "hello \xE4 there");
    EXPECT_EQ(got[0].origin, "PC1");
    EXPECT_EQ(prompts.boxes.size(), 1u);
}

TEST_F(MailslotSend, ALongMessageArrivesInPieces)
{
    std::string text;
    for (int i = 0; i < 650; ++i)
        text.push_back(static_cast<char>('a' + i % 26));
    Send("PC1", text);
    const std::vector<PlainDatagram> got = Received();
    ASSERT_EQ(got.size(), 3u);
    std::string joined;
    for (const PlainDatagram& piece : got) {
        EXPECT_EQ(piece.flag, 2);
        joined += piece.text;
    }
    EXPECT_EQ(joined, text);
}

TEST_F(MailslotSend, ATargetTheSystemCannotOpenIsNotReportedAsSent)
{
    // Only this computer's mailslots can be opened here.
    Send("PC2", "hello");
    EXPECT_TRUE(Received().empty());
    EXPECT_EQ(test::BoxTextsOf(prompts), Strings{"Name Pc2 has not been found on the network."});
}

TEST_F(MailslotSend, AListReportsEachOutcome)
{
    Send("PC1,PC2", "hello");
    EXPECT_EQ(Received().size(), 1u);
    ASSERT_EQ(prompts.results.size(), 1u);
    EXPECT_EQ(prompts.results[0].rows,
              (std::vector<ResultRow>{{"Jsmith", "Pc1"}, {"Pc2", "The name was not found"}}));
}

TEST_F(MailslotSend, AGroupMessageIsAcknowledgedThroughTheGroupMailslot)
{
    settings.useBroadcast = false;
    directory.computers = {"PC1"};
    lists.networkGroups = {"@SALES"};
    context.groups = {"@SALES"};
    Send("@SALES", "meeting");
    ASSERT_EQ(prompts.results.size(), 1u);
    EXPECT_EQ(prompts.results[0].rows, (std::vector<ResultRow>{{"Jsmith", "Pc1"}}));
    EXPECT_EQ(store.Counts().total, 1) << "this computer is in the group and stored the message";
}

} // namespace
} // namespace kivet
