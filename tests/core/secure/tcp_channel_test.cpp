// TcpChannel over loopback. Every listener takes a port the system chooses, so tests running in
// parallel never meet. A blocking server call is only made once the peer has connected, or has
// sent and closed, so it always returns; the tests that block on purpose wait a bounded time and
// then free the call from the peer's side.
#include "secure/tcp_channel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <vector>

namespace kivet::secure {
namespace {

using namespace std::chrono_literals;

constexpr auto kBlockedCallLimit = 5s;

// A server channel listening on a port of the system's choosing.
struct Listener {
    TcpChannel channel;
    std::uint16_t port = 0;

    explicit Listener(int backlog = 8)
    {
        EXPECT_TRUE(channel.Bind(0));
        EXPECT_TRUE(channel.Listen(backlog));
        port = channel.Port();
    }
};

std::vector<std::uint8_t> Pattern(std::size_t size, unsigned seed)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 31 + seed) % 251);
    return bytes;
}

// "0...0177.0.0.1": 127.0.0.1 written with leading zeros (octal) to the given length, so that a
// host text of any length resolves without the name service.
std::string PaddedLoopback(std::size_t length)
{
    const std::string tail = "177.0.0.1";
    return std::string(length - tail.size(), '0') + tail;
}

// --- Connect: which host texts are tried ---

struct HostRow {
    const char* name;
    const char* host;
    bool connects;
};

TEST(TcpChannelConnect, HostTextRules)
{
    Listener listener;
    const std::string longest = PaddedLoopback(kMaxHostNameLength);
    const std::string tooLong = PaddedLoopback(kMaxHostNameLength + 1);
    const HostRow rows[] = {
        {"dotted address", "127.0.0.1", true},
        {"host name", "localhost", true},
        {"79 characters", longest.c_str(), true},
        {"80 characters", tooLong.c_str(), false},
        {"empty", "", false},
        {"null", nullptr, false},
        {"unresolvable name", "no-such-host.invalid", false},
    };
    for (const HostRow& row : rows) {
        SCOPED_TRACE(row.name);
        TcpChannel client;
        EXPECT_EQ(client.Connect(row.host, listener.port), row.connects);
        EXPECT_EQ(client.Send("x", 1), row.connects);
    }
}

TEST(TcpChannelConnect, RefusedConnectionLeavesNothingToSendOn)
{
    std::uint16_t port;
    {
        Listener gone;
        port = gone.port;
    }
    TcpChannel client;
    EXPECT_FALSE(client.Connect("127.0.0.1", port));
    EXPECT_FALSE(client.Send("x", 1));
}

// --- Send and ReceiveRecord ---

TEST(TcpChannelRecord, SendWithoutConnectionFails)
{
    TcpChannel client;
    EXPECT_FALSE(client.Send("x", 1));
}

TEST(TcpChannelRecord, SendAfterCloseClientFails)
{
    Listener listener;
    TcpChannel client;
    ASSERT_TRUE(client.Connect("127.0.0.1", listener.port));
    client.CloseClient();
    EXPECT_FALSE(client.Send("x", 1));
}

TEST(TcpChannelRecord, ReceiveRecordTakesExactlyOneRecordAtATime)
{
    Listener listener;
    TcpChannel client;
    ASSERT_TRUE(client.Connect("127.0.0.1", listener.port));
    const std::vector<std::uint8_t> sent = Pattern(3000, 7);
    ASSERT_TRUE(client.Send(sent.data(), sent.size()));
    client.CloseClient();
    ASSERT_TRUE(listener.channel.Accept());

    for (std::size_t offset = 0; offset < sent.size(); offset += 1000) {
        SCOPED_TRACE(offset);
        std::vector<std::uint8_t> record(1000);
        ASSERT_TRUE(listener.channel.ReceiveRecord(record.data(), record.size()));
        EXPECT_EQ(0, std::memcmp(record.data(), sent.data() + offset, record.size()));
    }
    std::uint8_t more[1];
    EXPECT_FALSE(listener.channel.ReceiveRecord(more, sizeof more));
}

TEST(TcpChannelRecord, ReceiveRecordFailsWhenPeerClosesEarly)
{
    Listener listener;
    TcpChannel client;
    ASSERT_TRUE(client.Connect("127.0.0.1", listener.port));
    ASSERT_TRUE(client.Send("abc", 3));
    client.CloseClient();
    ASSERT_TRUE(listener.channel.Accept());
    char record[4];
    EXPECT_FALSE(listener.channel.ReceiveRecord(record, sizeof record));
}

// --- ReceiveRecord with a time-out ---

TEST(TcpChannelReceiveTimeout, SilentPeerGivesFailureAfterTheTimeout)
{
    Listener listener;
    listener.channel.SetReceiveTimeout(200);
    TcpChannel client;
    ASSERT_TRUE(client.Connect("127.0.0.1", listener.port));
    ASSERT_TRUE(listener.channel.Accept());

    const auto start = std::chrono::steady_clock::now();
    char record[16];
    EXPECT_FALSE(listener.channel.ReceiveRecord(record, sizeof record));
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 150ms);
    EXPECT_LT(waited, kBlockedCallLimit);
}

TEST(TcpChannelReceiveTimeout, TricklingPeerCannotStretchTheTimeout)
{
    Listener listener;
    listener.channel.SetReceiveTimeout(400);
    TcpChannel client;
    ASSERT_TRUE(client.Connect("127.0.0.1", listener.port));
    ASSERT_TRUE(listener.channel.Accept());
    std::atomic<bool> stop{false};
    std::thread trickle([&] {
        // One byte every 50 ms: each read would succeed long before a per-read limit ran out.
        for (int i = 0; i < 100 && !stop; ++i) {
            if (!client.Send("x", 1)) return;
            std::this_thread::sleep_for(50ms);
        }
    });

    const auto start = std::chrono::steady_clock::now();
    char record[100];
    EXPECT_FALSE(listener.channel.ReceiveRecord(record, sizeof record));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
    stop = true;
    trickle.join();
}

TEST(TcpChannelReceiveTimeout, RecordInPiecesWithinTheTimeoutArrivesWhole)
{
    Listener listener;
    listener.channel.SetReceiveTimeout(3000);
    TcpChannel client;
    ASSERT_TRUE(client.Connect("127.0.0.1", listener.port));
    ASSERT_TRUE(listener.channel.Accept());
    const std::vector<std::uint8_t> sent = Pattern(3000, 9);
    auto sending = std::async(std::launch::async, [&] {
        for (std::size_t offset = 0; offset < sent.size(); offset += 1000) {
            if (!client.Send(sent.data() + offset, 1000)) return false;
            std::this_thread::sleep_for(30ms);
        }
        return true;
    });
    std::vector<std::uint8_t> record(sent.size());
    EXPECT_TRUE(listener.channel.ReceiveRecord(record.data(), record.size()));
    EXPECT_TRUE(sending.get());
    EXPECT_EQ(record, sent);
}

TEST(TcpChannelRecord, ReceiveRecordWithoutAcceptedConnectionFails)
{
    Listener listener;
    char record[4];
    EXPECT_FALSE(listener.channel.ReceiveRecord(record, sizeof record));
}

// --- Server steps out of order ---

TEST(TcpChannelServer, ListenWithoutBindFails)
{
    TcpChannel server;
    EXPECT_FALSE(server.Listen(1));
}

TEST(TcpChannelServer, AcceptWithoutListenFails)
{
    TcpChannel server;
    ASSERT_TRUE(server.Bind(0));
    EXPECT_FALSE(server.Accept());
}

TEST(TcpChannelServer, AcceptAfterCloseServerFails)
{
    Listener listener;
    TcpChannel client;
    ASSERT_TRUE(client.Connect("127.0.0.1", listener.port));
    listener.channel.CloseServer();
    EXPECT_FALSE(listener.channel.Accept());
}

// --- ReceiveOnce, the transfer component's read ---

TEST(TcpChannelReceiveOnce, ReportsBytesAndPeerDottedAddress)
{
    Listener listener;
    TcpChannel client;
    ASSERT_TRUE(client.Connect("localhost", listener.port));
    ASSERT_TRUE(client.Send("hello", 5));
    client.CloseClient();
    ASSERT_TRUE(listener.channel.Accept());

    char buffer[33344];
    char peer[kDottedAddressSize] = "unset";
    int received = listener.channel.ReceiveOnce(buffer, sizeof buffer, peer);
    ASSERT_GE(received, 1);
    EXPECT_EQ(0, std::memcmp(buffer, "hello", static_cast<std::size_t>(received)));
    EXPECT_STREQ("127.0.0.1", peer);
}

TEST(TcpChannelReceiveOnce, ReadsNoMoreThanAsked)
{
    Listener listener;
    TcpChannel client;
    ASSERT_TRUE(client.Connect("127.0.0.1", listener.port));
    const std::vector<std::uint8_t> sent = Pattern(100, 3);
    ASSERT_TRUE(client.Send(sent.data(), sent.size()));
    client.CloseClient();
    ASSERT_TRUE(listener.channel.Accept());

    std::vector<std::uint8_t> buffer(100, 0xEE);
    char peer[kDottedAddressSize];
    int received = listener.channel.ReceiveOnce(buffer.data(), 40, peer);
    ASSERT_GE(received, 1);
    ASSERT_LE(received, 40);
    for (std::size_t i = 40; i < buffer.size(); ++i)
        ASSERT_EQ(0xEE, buffer[i]) << "byte " << i << " written past the requested size";
}

TEST(TcpChannelReceiveOnce, ZeroAfterPeerClosedAndMinusOneWithoutConnection)
{
    Listener listener;
    char buffer[16];
    char peer[kDottedAddressSize];
    EXPECT_EQ(-1, listener.channel.ReceiveOnce(buffer, sizeof buffer, peer));

    TcpChannel client;
    ASSERT_TRUE(client.Connect("127.0.0.1", listener.port));
    client.CloseClient();
    ASSERT_TRUE(listener.channel.Accept());
    EXPECT_EQ(0, listener.channel.ReceiveOnce(buffer, sizeof buffer, peer));
}

// --- Closing from another thread ---

// Waits for a call blocked on another thread; if it has not returned in time, fails and lets the
// peer free it (rescue) so that the test ends either way.
template <class Result> Result AwaitBlockedCall(std::future<Result>& call, const std::function<void()>& rescue)
{
    if (call.wait_for(kBlockedCallLimit) != std::future_status::ready) {
        ADD_FAILURE() << "the close did not wake the blocked call";
        rescue();
    }
    return call.get();
}

TEST(TcpChannelCloseConcurrency, CloseServerWakesBlockedAccept)
{
    Listener listener;
    auto accepting = std::async(std::launch::async, [&] { return listener.channel.Accept(); });
    std::this_thread::sleep_for(100ms);
    listener.channel.CloseServer();
    TcpChannel rescuer;
    EXPECT_FALSE(AwaitBlockedCall(accepting, [&] { rescuer.Connect("127.0.0.1", listener.port); }));
}

TEST(TcpChannelCloseConcurrency, CloseServerWakesBlockedReceiveRecord)
{
    Listener listener;
    TcpChannel client;
    ASSERT_TRUE(client.Connect("127.0.0.1", listener.port));
    ASSERT_TRUE(listener.channel.Accept());
    char record[64];
    auto receiving = std::async(std::launch::async, [&] { return listener.channel.ReceiveRecord(record, 64); });
    std::this_thread::sleep_for(100ms);
    listener.channel.CloseServer();
    EXPECT_FALSE(AwaitBlockedCall(receiving, [&] { client.CloseClient(); }));
}

TEST(TcpChannelCloseConcurrency, CloseServerWakesBlockedReceiveOnce)
{
    Listener listener;
    TcpChannel client;
    ASSERT_TRUE(client.Connect("127.0.0.1", listener.port));
    ASSERT_TRUE(listener.channel.Accept());
    char buffer[64];
    char peer[kDottedAddressSize];
    auto receiving =
        std::async(std::launch::async, [&] { return listener.channel.ReceiveOnce(buffer, sizeof buffer, peer); });
    std::this_thread::sleep_for(100ms);
    listener.channel.CloseServer();
    EXPECT_LE(AwaitBlockedCall(receiving, [&] { client.CloseClient(); }), 0);
}

TEST(TcpChannelStreamConcurrency, LargeSendArrivesInOrderWhileReceiverReads)
{
    Listener listener;
    TcpChannel client;
    ASSERT_TRUE(client.Connect("127.0.0.1", listener.port));
    ASSERT_TRUE(listener.channel.Accept());
    // Far more than the socket buffers hold, so the sender must wait for the reader.
    const std::vector<std::uint8_t> sent = Pattern(8 * 1024 * 1024, 11);
    std::vector<std::uint8_t> received(sent.size());
    auto receiving = std::async(std::launch::async,
                                [&] { return listener.channel.ReceiveRecord(received.data(), received.size()); });
    EXPECT_TRUE(client.Send(sent.data(), sent.size()));
    client.CloseClient();
    EXPECT_TRUE(AwaitBlockedCall(receiving, [&] { listener.channel.CloseServer(); }));
    EXPECT_TRUE(received == sent);
}

} // namespace
} // namespace kivet::secure
