// Two computers in one process, each with its secure server on its own thread, exchanging real
// records over loopback under the real cipher: the whole exchange, what is stored, what is logged,
// hostile and odd peers, and the three faults the messenger's side guards against (a stale key
// from an abandoned exchange, a silent peer, a key table filled with made-up names).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "messenger/clients/secure_message_arrival.h"
#include "messenger/clients/secure_record_writer.h"
#include "messenger/clients/secure_sender.h"
#include "messenger/clients/secure_text.h"
#include "tests/core/clients/simulated_computer.h"

namespace kivet::test {
namespace {

using namespace std::chrono_literals;

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 5000ms)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

// The line logged right after the first occurrence of heading ("" when missing).
std::string LineAfter(const std::vector<std::string>& lines, const std::string& heading, int occurrence = 0)
{
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == heading && occurrence-- == 0) return lines[i + 1];
    return "";
}

int Count(const std::vector<std::string>& lines, const std::string& line)
{
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

// A peer that is not a messenger: a raw connection to a computer's secure port.
struct RawPeer {
    secure::TcpChannel channel;
    bool Connect(uint16_t port) { return channel.Connect("127.0.0.1", port); }
    bool Send(const SecureRecord& record) { return channel.Send(&record, sizeof record); }
};

class SecureExchangeConcurrency : public ::testing::Test {
protected:
    SecureSendResult AliceSendsToBob(const std::string& text, const char* recipient = "BOB")
    {
        return SendSecureMessage(net.alice.parts, recipient, text);
    }
    bool BobHasStored(std::size_t count)
    {
        return WaitUntil([&] { return net.bob.store.Counts().total >= static_cast<int32_t>(count); });
    }

    TwoComputers net;
};

// --- the whole exchange ---

TEST_F(SecureExchangeConcurrency, MessageArrivesDecipheredWithDisplayNames)
{
    net.alice.Start();
    net.bob.Start();
    ASSERT_EQ(AliceSendsToBob("Lunch at noon?"), SecureSendResult::Sent);
    ASSERT_TRUE(BobHasStored(1));

    const std::vector<MessageRecord> stored = net.bob.Stored();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_STREQ(stored[0].text, "Lunch at noon?");
    EXPECT_STREQ(stored[0].sender, "Auser");
    EXPECT_STREQ(stored[0].recipient, "Bob");
    EXPECT_STREQ(stored[0].receivedAt, "06 December 2003 15:35:47");
    EXPECT_STREQ(stored[0].originName, "");
    EXPECT_EQ(stored[0].secure, 1);
    EXPECT_EQ(stored[0].unread, 1);
    EXPECT_TRUE(WaitUntil([&] { return net.bob.host.StoredNotifications() == 1; }));
    // Both keys were used up.
    for (std::size_t i = 0; i < secure::kKeyTableEntries; ++i) {
        EXPECT_EQ(net.alice.api.MessageKeys().EntryAt(i).used, 0) << i;
        EXPECT_EQ(net.bob.api.MessageKeys().EntryAt(i).used, 0) << i;
    }
}

TEST_F(SecureExchangeConcurrency, ComputerNameIsTheSenderWithUseComputerNameAndBlanksEndNoRecipient)
{
    net.alice.host.settings.useComputerName = true;
    net.alice.Start();
    net.bob.Start();
    ASSERT_EQ(AliceSendsToBob("x", "bob   "), SecureSendResult::Sent);
    ASSERT_TRUE(BobHasStored(1));
    EXPECT_STREQ(net.bob.Stored()[0].sender, "Alice");
}

TEST_F(SecureExchangeConcurrency, BothSidesLogTheProtocolStepsWithTheSameKey)
{
    net.alice.Start();
    net.bob.Start();
    ASSERT_EQ(AliceSendsToBob("Hi"), SecureSendResult::Sent);
    ASSERT_TRUE(BobHasStored(1));
    ASSERT_TRUE(WaitUntil([&] { return net.bob.log.Lines().size() >= 9; }));

    const std::vector<std::string> bob = net.bob.log.Lines();
    const std::vector<std::string> alice = net.alice.log.Lines();
    const std::string key = LineAfter(bob, "RECEIVER: The final key is:");
    const std::string prekey = LineAfter(alice, "SENDER: Prekey was sent to receiver:");
    const std::vector<std::string> expectedBob = {
        "RECEIVER: SECURE_STATUS_REQUEST received.", "RECEIVER: Sender prekey:", prekey,
        "RECEIVER: Prekey was sent to sender.", "RECEIVER: The final key is:", key,
        "RECEIVER: SECURE_STATUS_MESSAGE received.", "RECEIVER: The final key was found:", key};
    EXPECT_EQ(bob, expectedBob);

    EXPECT_EQ(Count(alice, "SENDER: SECURE_STATUS_ANSWER received."), 1);
    EXPECT_EQ(LineAfter(alice, "SENDER: The final key was generated:"), key);
    EXPECT_EQ(LineAfter(alice, "SENDER: The final key was successfully generated:"), key);
    EXPECT_EQ(alice.back(), "SENDER: Message was sent to receiver.");
}

TEST_F(SecureExchangeConcurrency, SecondMessageRunsANewExchangeWithANewKey)
{
    net.alice.Start();
    net.bob.Start();
    ASSERT_EQ(AliceSendsToBob("first"), SecureSendResult::Sent);
    ASSERT_TRUE(BobHasStored(1));
    ASSERT_EQ(AliceSendsToBob("second"), SecureSendResult::Sent);
    ASSERT_TRUE(BobHasStored(2));

    const std::vector<MessageRecord> stored = net.bob.Stored();
    EXPECT_STREQ(stored[0].text, "first");
    EXPECT_STREQ(stored[1].text, "second");
    const std::vector<std::string> bob = net.bob.log.Lines();
    EXPECT_EQ(Count(bob, "RECEIVER: SECURE_STATUS_REQUEST received."), 2);
    EXPECT_NE(LineAfter(bob, "RECEIVER: The final key is:", 0), LineAfter(bob, "RECEIVER: The final key is:", 1));
}

TEST_F(SecureExchangeConcurrency, LongestTextArrivesComplete)
{
    std::string text(4999, ' ');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char>('a' + i % 26);
    net.alice.Start();
    net.bob.Start();
    ASSERT_EQ(AliceSendsToBob(text), SecureSendResult::Sent);
    ASSERT_TRUE(BobHasStored(1));
    EXPECT_EQ(std::string(net.bob.Stored()[0].text), text);
}

TEST_F(SecureExchangeConcurrency, HistoryAndAutoReplyFollowTheSettings)
{
    net.alice.host.settings.logHistory = true;
    net.bob.host.settings.logHistory = true;
    net.bob.host.settings.autoReplyMode = true;
    net.alice.Start();
    net.bob.Start();
    ASSERT_EQ(AliceSendsToBob("Are you there?"), SecureSendResult::Sent);
    ASSERT_TRUE(WaitUntil([&] { return net.bob.host.StoredNotifications() == 1; }));

    EXPECT_EQ(net.bob.host.AutoReplies(), std::vector<std::string>{"ALICE"});
    const std::vector<MessageRecord> incoming = net.bob.host.Incoming();
    ASSERT_EQ(incoming.size(), 1u);
    EXPECT_STREQ(incoming[0].text, "Are you there?");
    const std::vector<OutgoingHistory> outgoing = net.alice.host.Outgoing();
    ASSERT_EQ(outgoing.size(), 1u);
    EXPECT_EQ(outgoing[0].sender, "Auser");
    EXPECT_EQ(outgoing[0].recipient, "Bob");
    EXPECT_EQ(outgoing[0].text, "Are you there?");
}

TEST_F(SecureExchangeConcurrency, WithoutTheSettingsNoHistoryAndNoAutoReply)
{
    net.alice.Start();
    net.bob.Start();
    ASSERT_EQ(AliceSendsToBob("quiet"), SecureSendResult::Sent);
    ASSERT_TRUE(WaitUntil([&] { return net.bob.host.StoredNotifications() == 1; }));
    EXPECT_TRUE(net.bob.host.AutoReplies().empty());
    EXPECT_TRUE(net.bob.host.Incoming().empty());
    EXPECT_TRUE(net.alice.host.Outgoing().empty());
}

// --- the Ignore List ---

TEST_F(SecureExchangeConcurrency, SenderOnTheActiveIgnoreListIsNotStored)
{
    const struct {
        const char* ignored;
        bool active;
        bool stored;
    } rows[] = {{"ALICE", true, false}, {"AUSER", true, false}, {"ALICE", false, true}, {"CAROL", true, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.ignored) + (row.active ? " active" : " inactive"));
        TwoComputers fresh;
        fresh.bob.host.settings.activeIgnorList = row.active;
        fresh.bob.host.ignoreList = {row.ignored};
        fresh.alice.Start();
        fresh.bob.Start();
        ASSERT_EQ(SendSecureMessage(fresh.alice.parts, "BOB", "hello"), SecureSendResult::Sent);
        ASSERT_TRUE(WaitUntil([&] { return Count(fresh.bob.log.Lines(), "RECEIVER: SECURE_STATUS_MESSAGE received.") == 1; }));
        ASSERT_TRUE(WaitUntil([&] { return fresh.bob.store.Counts().total == (row.stored ? 1 : 0); }));
        fresh.bob.thread.Stop();
        EXPECT_EQ(fresh.bob.store.Counts().total, row.stored ? 1 : 0);
        EXPECT_EQ(fresh.bob.host.StoredNotifications(), row.stored ? 1 : 0);
        // The ignored sender's key does not stay behind in the table.
        for (std::size_t i = 0; i < secure::kKeyTableEntries; ++i)
            EXPECT_EQ(fresh.bob.api.MessageKeys().EntryAt(i).used, 0) << i;
    }
}

// --- odd and hostile peers ---

TEST_F(SecureExchangeConcurrency, RecordOfUnknownTypeIsPassedOverAndTheNextOneHandled)
{
    net.bob.Start();
    RawPeer peer;
    ASSERT_TRUE(peer.Connect(net.bob.port));
    SecureRecord odd = BuildMessageRecord("MALLORY", "NOWHERE");
    odd.type = 99;
    odd.textLength = 0xFFFFFFFF;
    ASSERT_TRUE(peer.Send(odd));
    SecureRecord message = BuildMessageRecord("MALLORY", "NOWHERE");
    message.textLength = 5;
    ASSERT_TRUE(peer.Send(message));

    ASSERT_TRUE(BobHasStored(1));
    const MessageRecord stored = net.bob.Stored()[0];
    EXPECT_STREQ(stored.text, kSecureMissingKeyText);
    EXPECT_STREQ(stored.sender, "Mallory");
    EXPECT_EQ(stored.secure, 1);
}

TEST_F(SecureExchangeConcurrency, FileKeyRequestIsAnsweredAndBothSidesFileTheSameKey)
{
    net.alice.Start();
    net.bob.Start();
    // As the transfer component asks: a request on the request slot, the answer to Alice's server.
    SecurePrekey prekey{};
    net.alice.api.GeneratePreKey(prekey);
    ASSERT_TRUE(net.alice.api.ConnectToServer2("BOB"));
    ASSERT_TRUE(net.alice.api.SendData2(BuildKeyRecord(kSecureStatusTransfer, "AUSER", "ALICE", prekey)));
    net.alice.api.DisconnectClient2();

    SecureKey aliceKey{}, bobKey{};
    ASSERT_TRUE(WaitUntil([&] { return net.alice.api.GetFileKey("BOB", aliceKey); }));
    ASSERT_TRUE(net.bob.api.GetFileKey("ALICE", bobKey));
    EXPECT_EQ(aliceKey, bobKey);
    SecureKey none{};
    EXPECT_FALSE(net.bob.api.GetMessageKey("ALICE", none));
    EXPECT_FALSE(net.alice.api.GetMessageKey("BOB", none));

    const std::vector<std::string> bob = net.bob.log.Lines();
    ASSERT_GE(bob.size(), 2u);
    EXPECT_EQ(bob[0], "RECEIVER: SECURE_STATUS_TRANSFER received.");
    EXPECT_EQ(bob[1], "RECEIVER: SECURE_STATUS_REQUEST received.");
    EXPECT_EQ(Count(net.alice.log.Lines(), "SENDER: SECURE_STATUS_TRANSFER_ANSWER received."), 1);
}

TEST_F(SecureExchangeConcurrency, RequestFromAComputerThatCannotBeReachedFilesNoKey)
{
    net.bob.Start(); // Alice's server is not running: Bob's answer cannot be delivered
    RawPeer peer;
    ASSERT_TRUE(peer.Connect(net.bob.port));
    SecurePrekey prekey{};
    prekey[0] = 5;
    ASSERT_TRUE(peer.Send(BuildKeyRecord(kSecureStatusRequest, "AUSER", "ALICE", prekey)));
    peer.channel.CloseClient();
    ASSERT_TRUE(net.bob.api.WaitUntilAccepting(2)); // the connection was handled and closed
    SecureKey key{};
    EXPECT_FALSE(net.bob.api.GetMessageKey("ALICE", key));
    EXPECT_EQ(Count(net.bob.log.Lines(), "RECEIVER: Prekey was sent to sender."), 0);
}

// --- the faults guarded against ---

TEST_F(SecureExchangeConcurrency, KeyLeftFromAnAbandonedExchangeIsNotUsed)
{
    // An earlier exchange ran out of time on Alice's side and its answer came late: both sides
    // still hold that exchange's key under each other's name.
    SecureKey stale{};
    stale.fill(0x5A);
    net.alice.api.AddMessageKey("BOB", stale);
    net.bob.api.AddMessageKey("ALICE", stale);
    net.alice.Start();
    net.bob.Start();

    ASSERT_EQ(AliceSendsToBob("not garbled"), SecureSendResult::Sent);
    ASSERT_TRUE(BobHasStored(1));
    EXPECT_STREQ(net.bob.Stored()[0].text, "not garbled");
}

TEST_F(SecureExchangeConcurrency, KeyTableFilledWithMadeUpNamesStillTakesARealKey)
{
    net.alice.Start();
    net.bob.Start();
    RawPeer flood;
    ASSERT_TRUE(flood.Connect(net.bob.port));
    SecurePrekey prekey{};
    prekey[0] = 9;
    for (int n = 0; n < 150; ++n)
        ASSERT_TRUE(flood.Send(BuildKeyRecord(kSecureStatusAnswer, "X", "MADE-UP-" + std::to_string(n), prekey)));
    flood.channel.CloseClient();
    ASSERT_TRUE(WaitUntil([&] { return Count(net.bob.log.Lines(), "SENDER: SECURE_STATUS_ANSWER received.") == 150; }));
    ASSERT_TRUE(net.bob.api.WaitUntilAccepting(2));

    ASSERT_EQ(AliceSendsToBob("still readable"), SecureSendResult::Sent);
    ASSERT_TRUE(BobHasStored(1));
    EXPECT_STREQ(net.bob.Stored()[0].text, "still readable");
}

TEST(SecureExchangeSilentPeerConcurrency, SilentPeerIsDroppedAndTheRequestWaitingBehindItServed)
{
    TwoComputers net(300);
    net.alice.Start();
    net.bob.Start();
    RawPeer silent;
    ASSERT_TRUE(silent.Connect(net.bob.port));
    ASSERT_TRUE(net.bob.api.WaitUntilAccepting(1));

    // Alice's request waits in Bob's queue until the silent connection is given up.
    ASSERT_EQ(SendSecureMessage(net.alice.parts, "BOB", "after the silence"), SecureSendResult::Sent);
    ASSERT_TRUE(WaitUntil([&] { return net.bob.store.Counts().total == 1; }));
    EXPECT_STREQ(net.bob.Stored()[0].text, "after the silence");
}

TEST(SecureServerQueueConcurrency, ConnectionWaitingWhileAnotherIsServedIsNotLost)
{
    TwoComputers net;
    net.bob.Start();
    RawPeer first;
    ASSERT_TRUE(first.Connect(net.bob.port));
    SecureRecord odd = BuildMessageRecord("FIRST", "FIRST-PC");
    odd.type = 99;
    ASSERT_TRUE(first.Send(odd));

    // While the first connection is still open, a message arrives on a second one and its peer
    // is gone before the server turns to it.
    RawPeer second;
    ASSERT_TRUE(second.Connect(net.bob.port));
    ASSERT_TRUE(second.Send(BuildMessageRecord("SECOND", "SECOND-PC")));
    second.channel.CloseClient();
    first.channel.CloseClient();

    ASSERT_TRUE(WaitUntil([&] { return net.bob.store.Counts().total == 1; }));
    EXPECT_STREQ(net.bob.Stored()[0].sender, "Second");
}

} // namespace
} // namespace kivet::test
