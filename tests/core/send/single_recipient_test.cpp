// A list without a comma: each outcome in its own message box, no results dialog.
#include <gtest/gtest.h>

#include <cstring>

#include "messenger/transport/relay_datagrams.h"
#include "tests/core/send/send_fixture.h"

namespace kivet {
namespace {

using Strings = std::vector<std::string>;

class SingleRecipient : public test::SendFixture {
protected:
    SingleRecipient()
    {
        AddComputer("PC1", "ALICE");
        secure.otherwise = SecureResult::Sent;
    }
};

TEST_F(SingleRecipient, OneComputerGetsOneSuccessMessageAndNoResults)
{
    secure.otherwise = SecureResult::NoSecureMessenger;
    consent.Set(true);
    EXPECT_EQ(Send("PC1"), 0);

    ASSERT_EQ(PlainTargets(), Strings{"PC1"});
    const PlainDatagram datagram = ReadPlain(PlainWrites()[0]);
    EXPECT_EQ(datagram.recipient, "Pc1");
    EXPECT_EQ(datagram.sender, "Jsmith");
    EXPECT_EQ(datagram.text, "hello");
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].box, (BoxSpec{"The message to computer Pc1 (logged user Alice) has been successfully sent.",
                                             "Sending message", BoxButtons::Ok, BoxIcon::Information}));
    EXPECT_TRUE(prompts.results.empty());
    EXPECT_EQ(dialog.events, (Strings{"ready", "status bar"}));
    EXPECT_EQ(log.lines, Strings{"Sending message complete."});
}

TEST_F(SingleRecipient, ThreeWaysOfNamingTheRecipientGiveThreeTexts)
{
    directory.resolvable["PC2"] = test::Record("", "PC2");
    directory.resolvable["192.168.0.10"] = test::Record("ALICE", "PC1", "192.168.0.10");
    Send("PC2");
    Send("ALICE");
    Send("192.168.0.10");
    EXPECT_EQ(BoxTexts(), (Strings{
                              "The message to computer Pc2 has been successfully sent.",
                              "The message to user Alice (logged on computer Pc1) has been successfully sent.",
                              "The message to computer 192.168.0.10 (logged user Alice) has been successfully sent.",
                          }));
}

TEST_F(SingleRecipient, ThePlainDatagramGoesToTheNameOrForAnAddressToItsComputer)
{
    secure.otherwise = SecureResult::NoSecureMessenger;
    consent.Set(true);
    directory.resolvable["192.168.0.10"] = test::Record("ALICE", "PC1", "192.168.0.10");
    Send("192.168.0.10");
    Send("ALICE");
    EXPECT_EQ(secure.computers, (Strings{"PC1", "PC1"}));
    EXPECT_EQ(PlainTargets(), (Strings{"PC1", "ALICE"}));
    for (const test::WrittenDatagram& w : PlainWrites())
        EXPECT_EQ(ReadPlain(w).recipient, "Pc1");
}

TEST_F(SingleRecipient, NoSuccessMessageWithNotificationOff)
{
    settings.notifyForMsgSending = false;
    Send("PC1");
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_EQ(secure.computers, Strings{"PC1"});
}

TEST_F(SingleRecipient, TheSecureWayGetsTheComputerWithoutTrailingBlanks)
{
    directory.resolvable["PC3"] = test::Record("BOB", "PC3   ");
    Send("PC3");
    EXPECT_EQ(secure.computers, Strings{"PC3"});
}

TEST_F(SingleRecipient, ALocalNameIsAlwaysConfirmed)
{
    settings.notifyForMsgSending = false;
    Send("jsmith");
    EXPECT_EQ(PlainTargets(), Strings{"PC-07"});
    EXPECT_TRUE(secure.computers.empty()) << "the local computer needs no secure exchange";
    EXPECT_EQ(BoxTexts(),
              Strings{"The message to user Jsmith (logged on computer Pc-07) has been successfully sent."});
}

TEST_F(SingleRecipient, AnAbsentNameIsReported)
{
    Send("pc9");
    EXPECT_TRUE(writer.written.empty());
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].box, (BoxSpec{"Name Pc9 has not been found on the network.", "Sending message",
                                             BoxButtons::Ok, BoxIcon::Stop}));
}

TEST_F(SingleRecipient, ANameOnlyTheScanListedIsFoundThroughItsComputer)
{
    directory.scanned["BOB"] = "PC3";
    directory.adapters["PC3"] = test::Record("BOB", "PC3");
    Send("BOB");
    EXPECT_EQ(directory.adapterQueries, Strings{"PC3"});
    EXPECT_EQ(secure.computers, Strings{"PC3"});
    EXPECT_EQ(BoxTexts(), Strings{"The message to user Bob (logged on computer Pc3) has been successfully sent."});
}

TEST_F(SingleRecipient, AScannedNameWhoseComputerIsSilentIsNotFound)
{
    directory.scanned["BOB"] = "PC3";
    Send("BOB");
    EXPECT_TRUE(secure.computers.empty());
    EXPECT_EQ(BoxTexts(), Strings{"Name Bob has not been found on the network."});
}

TEST_F(SingleRecipient, ARefusedDatagramIsNotReportedAsSent)
{
    secure.otherwise = SecureResult::NoSecureMessenger;
    consent.Set(true);
    writer.refused = {"PC1"};
    settings.closeWindowAfterSending = true;
    Send("PC1");
    EXPECT_EQ(BoxTexts(), Strings{"Name Pc1 has not been found on the network."});
    EXPECT_EQ(dialog.events, (Strings{"ready", "status bar"})) << "the unsent message stays in the dialog";
}

class RelayOffer : public SingleRecipient {
protected:
    RelayOffer()
    {
        settings.useServer = true;
        settings.serverName = "RELAY1";
    }
};

TEST_F(RelayOffer, YesStoresTheMessageOnTheRelayServer)
{
    prompts.answers = {BoxAnswer::Yes};
    const std::string text(400, 'x');
    Send("PC9", text);
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].box.buttons, BoxButtons::YesNo);
    EXPECT_EQ(prompts.boxes[0].box.icon, BoxIcon::Question);
    EXPECT_EQ(prompts.boxes[0].box.text.rfind("The name Pc9 has not been found on the network.\n\nDo you wish", 0), 0u);

    ASSERT_EQ(writer.written.size(), 1u);
    EXPECT_EQ(writer.written[0].target, "RELAY1");
    EXPECT_EQ(writer.written[0].path, kRelayMessageServerMailslot);
    ASSERT_EQ(writer.written[0].bytes.size(), sizeof(RelayOfflineDatagram));
    RelayOfflineDatagram stored;
    std::memcpy(&stored, writer.written[0].bytes.data(), sizeof stored);
    EXPECT_STREQ(stored.name, "Jsmith");
    EXPECT_STREQ(stored.peerName, "PC9");
    EXPECT_EQ(std::string(stored.text), std::string(260, 'x'));
}

TEST_F(RelayOffer, NoStoresNothing)
{
    prompts.answers = {BoxAnswer::No};
    Send("PC9");
    EXPECT_EQ(prompts.boxes.size(), 1u);
    EXPECT_TRUE(writer.written.empty());
}

TEST_F(SingleRecipient, ADomainAloneEndsTheOperation)
{
    directory.domains = {"DOMAIN1"};
    settings.addUser = true;
    EXPECT_EQ(Send("DOMAIN1"), kSendEndedAfterDomain);
    ASSERT_EQ(PlainTargets(), Strings{"DOMAIN1"});
    EXPECT_EQ(ReadPlain(PlainWrites()[0]).recipient, "Domain1");
    EXPECT_EQ(BoxTexts(), Strings{"The message to domain DOMAIN1 has been successfully sent."});
    EXPECT_EQ(dialog.events, (Strings{"close", "status bar"})) << "closed whatever CloseWindowAfterSending says";
    EXPECT_EQ(log.lines, Strings{"Sending message complete."});
    EXPECT_TRUE(prompts.results.empty());
    EXPECT_TRUE(lists.quickList.empty());
}

TEST_F(SingleRecipient, TheLocalWorkgroupIsADomainToo)
{
    settings.notifyForMsgSending = false;
    EXPECT_EQ(Send("office"), kSendEndedAfterDomain);
    EXPECT_EQ(PlainTargets(), Strings{"office"});
    EXPECT_TRUE(prompts.boxes.empty());
}

TEST_F(SingleRecipient, ADomainThatCannotBeWrittenToKeepsTheDialogOpen)
{
    directory.domains = {"DOMAIN1"};
    writer.refused = {"DOMAIN1"};
    EXPECT_EQ(Send("DOMAIN1"), 0);
    EXPECT_EQ(BoxTexts(), Strings{"Name Domain1 has not been found on the network."});
    EXPECT_EQ(dialog.events, (Strings{"ready", "status bar"}));
}

TEST_F(SingleRecipient, TheDialogClosesAfterADeliveryWhenAskedTo)
{
    settings.closeWindowAfterSending = true;
    Send("PC1");
    EXPECT_EQ(dialog.events, (Strings{"close", "status bar"}));
    dialog.events.clear();
    Send("PC9");
    EXPECT_EQ(dialog.events, (Strings{"ready", "status bar"}));
}

TEST_F(SingleRecipient, DeliveredRecipientsGoToTheQuickListUpperCased)
{
    settings.addUser = true;
    directory.resolvable["pc1"] = test::Record("ALICE", "PC1");
    Send("pc1");
    Send("pc9");
    EXPECT_EQ(lists.quickList, Strings{"PC1"});
}

TEST_F(SingleRecipient, TheTextIsHeldTo4999CharactersAndSentInPieces)
{
    secure.otherwise = SecureResult::NoSecureMessenger;
    consent.Set(true);
    Send("PC1", std::string(6000, 'y'));
    const std::vector<test::WrittenDatagram> writes = PlainWrites();
    ASSERT_EQ(writes.size(), 17u);
    std::size_t total = 0;
    for (const test::WrittenDatagram& w : writes) {
        const PlainDatagram piece = ReadPlain(w);
        EXPECT_EQ(piece.flag, 2);
        total += piece.text.size();
    }
    EXPECT_EQ(total, 4999u);
    EXPECT_EQ(context.pauses, std::vector<unsigned>(16, 100));
}

} // namespace
} // namespace kivet
