// The secure sender against peers that are not a whole messenger: nothing listening, a server that
// takes the request and never answers, one that answers and then cannot be reached again.
#include "messenger/clients/secure_sender.h"

#include <gtest/gtest.h>

#include <cstring>
#include <future>
#include <string>

#include "messenger/clients/secure_record_reader.h"
#include "messenger/clients/secure_send_thread.h"
#include "tests/core/clients/native_secure.h"
#include "tests/core/clients/recording_host.h"

namespace kivet::test {
namespace {

// Alice's side only; "BOB" is reached on peerPort.
struct Sender {
    explicit Sender(uint16_t peerPort) : api(FreeLoopbackPort(), peerPort) {}

    NativeSecure api;
    RecordingHost host{"ALICE", "AUSER"};
    RecordingLog log;
    SecureParts parts{api, host, log};
};

struct Listener {
    Listener()
    {
        EXPECT_TRUE(channel.Bind(0));
        EXPECT_TRUE(channel.Listen(4));
    }
    // Takes one connection and its first record.
    bool AcceptRecord(SecureRecord& record) { return channel.Accept() && channel.ReceiveRecord(&record, sizeof record); }

    secure::TcpChannel channel;
};

bool Logged(const RecordingLog& log, const std::string& line)
{
    const std::vector<std::string> lines = log.Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(SecureSender, NothingListeningGivesNoSecureMessengerAfterFourAttempts)
{
    Sender alice(FreeLoopbackPort());
    EXPECT_EQ(SendSecureMessage(alice.parts, "BOB", "hello"), SecureSendResult::NoSecureMessenger);
    EXPECT_EQ(alice.api.RequestConnectAttempts(), 4);
    EXPECT_TRUE(alice.log.Lines().empty());
    EXPECT_TRUE(alice.host.Boxes().empty());
}

TEST(SecureSender, PeerThatNeverAnswersGivesErrorAfterFifteenSeconds)
{
    Listener peer; // accepts into its backlog and never reads
    Sender alice(peer.channel.Port());
    alice.host.instantPauses = true;
    EXPECT_EQ(SendSecureMessage(alice.parts, "BOB", "hello"), SecureSendResult::Error);
    EXPECT_EQ(alice.host.PausedMs(), 15000u);
    EXPECT_TRUE(Logged(alice.log, "SENDER: Prekey was sent to receiver:"));
    EXPECT_FALSE(Logged(alice.log, "SENDER: The final key was successfully generated:"));
    EXPECT_TRUE(alice.host.Boxes().empty());
}

TEST(SecureSender, RequestCarriesTheNamesTheSettingChooses)
{
    for (bool useComputerName : {false, true}) {
        SCOPED_TRACE(useComputerName);
        Listener peer;
        Sender alice(peer.channel.Port());
        alice.host.instantPauses = true;
        alice.host.settings.useComputerName = useComputerName;
        auto sending = std::async(std::launch::async, [&] { return SendSecureMessage(alice.parts, "BOB", "x"); });

        SecureRecord request{};
        ASSERT_TRUE(peer.AcceptRecord(request));
        const SecureRecordFields fields = ReadSecureRecord(request);
        EXPECT_EQ(fields.type, kSecureStatusRequest);
        EXPECT_EQ(fields.senderName, useComputerName ? "ALICE" : "AUSER");
        EXPECT_EQ(fields.senderComputer, "ALICE");
        EXPECT_EQ(fields.textLength, 0u);
        EXPECT_NE(request.prekey[0] | request.prekey[1] | request.prekey[2] | request.prekey[3], 0);
        EXPECT_EQ(sending.get(), SecureSendResult::Error);
    }
}

TEST(SecureSender, MessageThatCannotBeDeliveredShowsTheBoxAndIsNoSuccess)
{
    Listener peer;
    Sender alice(peer.channel.Port());
    alice.host.settings.logHistory = true;
    auto sending = std::async(std::launch::async, [&] { return SendSecureMessage(alice.parts, "BOB", "hello"); });

    // Play the recipient up to the key: take the request, file a key on Alice's side as her
    // exchange thread would, and be gone before the message comes.
    SecureRecord request{};
    ASSERT_TRUE(peer.AcceptRecord(request));
    peer.channel.CloseServer();
    SecureKey key{};
    key.fill(7);
    alice.api.AddMessageKey("BOB", key);

    EXPECT_EQ(sending.get(), SecureSendResult::Error);
    const std::vector<BoxSpec> boxes = alice.host.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], (BoxSpec{"Cannot connect and send the message", "", BoxButtons::Ok, BoxIcon::None}));
    EXPECT_FALSE(Logged(alice.log, "SENDER: Message was sent to receiver."));
    EXPECT_TRUE(alice.host.Outgoing().empty());
}

TEST(SecureSendThread, ExitCodeIsTheSendersResult)
{
    Sender alice(FreeLoopbackPort());
    EXPECT_EQ(RunSecureSend(alice.parts, "BOB", "hello"), 2);
    Listener peer;
    Sender again(peer.channel.Port());
    again.host.instantPauses = true;
    EXPECT_EQ(RunSecureSend(again.parts, "BOB", "hello"), 1);
}

} // namespace
} // namespace kivet::test
