// The three connection slots over loopback. Each test gives its ConnectionSlots a port that the
// system just reported free, so tests running in parallel do not meet. Every test that blocks on
// the server slot runs under a watchdog that disconnects the server slot and fails the test when a
// step hangs; steps blocked on the request slot's hold are freed by the holder instead.
#include "secure/connection_slots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kivet::secure {
namespace {

using namespace std::chrono_literals;
using Record = std::vector<std::uint8_t>;

std::uint16_t FreePort()
{
    TcpChannel probe;
    return probe.Bind(0) ? probe.Port() : 0;
}

// A record whose every byte depends on its seed, so a shifted, cut or mixed-up record shows.
Record MakeRecord(unsigned seed)
{
    Record record(kSecureRecordSize);
    for (std::size_t i = 0; i < record.size(); ++i)
        record[i] = static_cast<std::uint8_t>((i * 7 + seed * 13 + i / 251) % 256);
    return record;
}

bool AllZero(const Record& record)
{
    return std::all_of(record.begin(), record.end(), [](std::uint8_t b) { return b == 0; });
}

// Calls rescue and fails the test when still armed after the limit; the rescue makes the blocked
// step return, so a fault shows as a failure and not as a hang.
class Watchdog {
public:
    Watchdog(std::function<void()> rescue, std::chrono::seconds limit = 10s)
        : rescue_(std::move(rescue)), thread_([this, limit] { Watch(limit); })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard<std::mutex> hold(lock_);
            done_ = true;
        }
        finished_.notify_one();
        thread_.join();
    }

private:
    void Watch(std::chrono::seconds limit)
    {
        std::unique_lock<std::mutex> hold(lock_);
        if (finished_.wait_for(hold, limit, [this] { return done_; })) return;
        ADD_FAILURE() << "a blocking step did not finish in time";
        rescue_();
    }

    std::function<void()> rescue_;
    std::mutex lock_;
    std::condition_variable finished_;
    bool done_ = false;
    std::thread thread_;
};

// A ConnectionSlots whose server slot listens on a free port, guarded by a watchdog.
struct ListeningSlots {
    std::uint16_t port = FreePort();
    ConnectionSlots slots{port};
    Watchdog watchdog{[this] { slots.DisconnectServer(); }};

    ListeningSlots()
    {
        EXPECT_TRUE(slots.CreateServer());
        EXPECT_TRUE(slots.ListenServer());
    }
};

// --- operations on empty slots ---

struct SlotCall {
    const char* name;
    std::function<bool(ConnectionSlots&, Record&)> call;
    bool succeeds;
};

TEST(EmptySlots, OnlyDisconnectsSucceed)
{
    const SlotCall calls[] = {
        {"SendData", [](ConnectionSlots& s, Record& r) { return s.SendData(r.data()); }, false},
        {"SendData2", [](ConnectionSlots& s, Record& r) { return s.SendData2(r.data()); }, false},
        {"ListenServer", [](ConnectionSlots& s, Record&) { return s.ListenServer(); }, false},
        {"AcceptServer", [](ConnectionSlots& s, Record&) { return s.AcceptServer(); }, false},
        {"ReceiveData", [](ConnectionSlots& s, Record& r) { return s.ReceiveData(r.data()); }, false},
        {"DisconnectClient", [](ConnectionSlots& s, Record&) { return s.DisconnectClient(); }, true},
        {"DisconnectClient2", [](ConnectionSlots& s, Record&) { return s.DisconnectClient2(); }, true},
        {"DisconnectServer", [](ConnectionSlots& s, Record&) { return s.DisconnectServer(); }, true},
    };
    for (const SlotCall& row : calls) {
        SCOPED_TRACE(row.name);
        ConnectionSlots slots(FreePort());
        Record record = MakeRecord(1);
        EXPECT_EQ(row.call(slots, record), row.succeeds);
    }
}

TEST(EmptySlots, ReceiveDataOnEmptySlotZeroesTheBuffer)
{
    ConnectionSlots slots(FreePort());
    Record record = MakeRecord(1);
    EXPECT_FALSE(slots.ReceiveData(record.data()));
    EXPECT_TRUE(AllZero(record));
}

TEST(EmptySlots, DisconnectEmptiesTheSlot)
{
    ListeningSlots server;
    ConnectionSlots& slots = server.slots;
    Record record = MakeRecord(2);

    ASSERT_TRUE(slots.ConnectToServer("127.0.0.1"));
    EXPECT_TRUE(slots.DisconnectClient());
    EXPECT_FALSE(slots.SendData(record.data()));

    ASSERT_TRUE(slots.ConnectToServer2("127.0.0.1"));
    EXPECT_TRUE(slots.DisconnectClient2());
    EXPECT_FALSE(slots.SendData2(record.data()));

    EXPECT_TRUE(slots.DisconnectServer());
    EXPECT_FALSE(slots.ListenServer());
    EXPECT_FALSE(slots.AcceptServer());
}

// --- connecting ---

TEST(SlotConnect, SendDataWithoutConnectToServerFails)
{
    ListeningSlots server;
    Record record = MakeRecord(3);
    EXPECT_FALSE(server.slots.SendData(record.data()));
}

TEST(SlotConnect, NoListenerFailsAndDisconnectStillSucceeds)
{
    ConnectionSlots slots(FreePort());
    Record record = MakeRecord(4);
    EXPECT_FALSE(slots.ConnectToServer2("127.0.0.1"));
    EXPECT_FALSE(slots.SendData2(record.data()));
    EXPECT_TRUE(slots.DisconnectClient2());

    EXPECT_FALSE(slots.ConnectToServer("127.0.0.1"));
    EXPECT_FALSE(slots.SendData(record.data()));
    EXPECT_TRUE(slots.DisconnectClient());
}

TEST(SlotConnect, UnresolvableHostFailsCleanly)
{
    ConnectionSlots slots(FreePort());
    Record record = MakeRecord(5);
    EXPECT_FALSE(slots.ConnectToServer("no-such-host.invalid"));
    EXPECT_FALSE(slots.SendData(record.data()));
    EXPECT_TRUE(slots.DisconnectClient());
}

// 127.0.0.1 with leading zeros (octal), so that any length resolves without the name service.
std::string PaddedLoopback(std::size_t length)
{
    const std::string tail = "177.0.0.1";
    return std::string(length - tail.size(), '0') + tail;
}

TEST(SlotConnect, HostOf79CharactersIsTriedAnd80Refused)
{
    ListeningSlots server;
    ConnectionSlots& slots = server.slots;
    const std::string longest = PaddedLoopback(79);
    const std::string tooLong = PaddedLoopback(80);

    EXPECT_TRUE(slots.ConnectToServer(longest.c_str()));
    EXPECT_TRUE(slots.DisconnectClient());
    EXPECT_FALSE(slots.ConnectToServer(tooLong.c_str()));
    EXPECT_TRUE(slots.DisconnectClient());

    EXPECT_TRUE(slots.ConnectToServer2(longest.c_str()));
    EXPECT_TRUE(slots.DisconnectClient2());
    EXPECT_FALSE(slots.ConnectToServer2(tooLong.c_str()));
    EXPECT_TRUE(slots.DisconnectClient2());
}

// --- receiving on the server slot ---

TEST(ServerSlotReceive, RecordSentInPiecesArrivesWhole)
{
    ListeningSlots server;
    const Record sent = MakeRecord(6);
    TcpChannel peer;
    ASSERT_TRUE(peer.Connect("127.0.0.1", server.port));
    ASSERT_TRUE(server.slots.AcceptServer());

    auto sending = std::async(std::launch::async, [&] {
        const std::size_t pieces[] = {1, 100, 1000, 2000, 2247};
        std::size_t offset = 0;
        for (std::size_t piece : pieces) {
            if (!peer.Send(sent.data() + offset, piece)) return false;
            offset += piece;
            std::this_thread::sleep_for(20ms);
        }
        return offset == sent.size();
    });
    Record received(kSecureRecordSize, 0xAA);
    EXPECT_TRUE(server.slots.ReceiveData(received.data()));
    EXPECT_TRUE(sending.get());
    EXPECT_TRUE(received == sent);
}

TEST(ServerSlotReceive, TwoRecordsOnOneConnectionArriveAsTwo)
{
    ListeningSlots server;
    const Record first = MakeRecord(7);
    const Record second = MakeRecord(8);
    ASSERT_TRUE(server.slots.ConnectToServer2("127.0.0.1"));
    ASSERT_TRUE(server.slots.SendData2(first.data()));
    ASSERT_TRUE(server.slots.SendData2(second.data()));
    ASSERT_TRUE(server.slots.DisconnectClient2());

    ASSERT_TRUE(server.slots.AcceptServer());
    Record received(kSecureRecordSize);
    EXPECT_TRUE(server.slots.ReceiveData(received.data()));
    EXPECT_TRUE(received == first);
    EXPECT_TRUE(server.slots.ReceiveData(received.data()));
    EXPECT_TRUE(received == second);
    EXPECT_FALSE(server.slots.ReceiveData(received.data()));
}

TEST(ServerSlotReceive, ReplySlotRecordArrives)
{
    ListeningSlots server;
    const Record sent = MakeRecord(9);
    ASSERT_TRUE(server.slots.ConnectToServer("localhost"));
    ASSERT_TRUE(server.slots.SendData(sent.data()));
    ASSERT_TRUE(server.slots.DisconnectClient());

    ASSERT_TRUE(server.slots.AcceptServer());
    Record received(kSecureRecordSize);
    EXPECT_TRUE(server.slots.ReceiveData(received.data()));
    EXPECT_TRUE(received == sent);
}

TEST(ServerSlotReceive, PeerClosedGivesFailureAndZeroedBuffer)
{
    ListeningSlots server;
    TcpChannel peer;
    ASSERT_TRUE(peer.Connect("127.0.0.1", server.port));
    peer.CloseClient();
    ASSERT_TRUE(server.slots.AcceptServer());

    Record received = MakeRecord(10);
    EXPECT_FALSE(server.slots.ReceiveData(received.data()));
    EXPECT_TRUE(AllZero(received));
}

TEST(ServerSlotReceive, PeerClosingMidRecordGivesFailureAndZeroedBuffer)
{
    ListeningSlots server;
    const Record sent = MakeRecord(11);
    TcpChannel peer;
    ASSERT_TRUE(peer.Connect("127.0.0.1", server.port));
    ASSERT_TRUE(peer.Send(sent.data(), 1000));
    peer.CloseClient();
    ASSERT_TRUE(server.slots.AcceptServer());

    Record received(kSecureRecordSize, 0xAA);
    EXPECT_FALSE(server.slots.ReceiveData(received.data()));
    EXPECT_TRUE(AllZero(received));
}

// --- the server's receive time-out ---

TEST(ServerSlotTimeout, SilentPeerIsDroppedAndTheNextPeerIsServed)
{
    const std::uint16_t port = FreePort();
    ConnectionSlots slots(port, 200);
    Watchdog watchdog([&] { slots.DisconnectServer(); });
    ASSERT_TRUE(slots.CreateServer());
    ASSERT_TRUE(slots.ListenServer());
    TcpChannel silent;
    ASSERT_TRUE(silent.Connect("127.0.0.1", port));
    ASSERT_TRUE(slots.AcceptServer());

    Record received = MakeRecord(20);
    EXPECT_FALSE(slots.ReceiveData(received.data()));
    EXPECT_TRUE(AllZero(received));
    slots.DisconnectServer();

    ASSERT_TRUE(slots.CreateServer());
    ASSERT_TRUE(slots.ListenServer());
    const Record sent = MakeRecord(21);
    TcpChannel next;
    ASSERT_TRUE(next.Connect("127.0.0.1", port));
    ASSERT_TRUE(next.Send(sent.data(), sent.size()));
    ASSERT_TRUE(slots.AcceptServer());
    EXPECT_TRUE(slots.ReceiveData(received.data()));
    EXPECT_TRUE(received == sent);
}

// --- re-creating the server ---

TEST(ServerSlotRebind, CreateServerRightAfterDisconnectServerBindsAgain)
{
    ListeningSlots server;
    const Record sent = MakeRecord(12);
    TcpChannel peer;
    ASSERT_TRUE(peer.Connect("127.0.0.1", server.port));
    ASSERT_TRUE(server.slots.AcceptServer());
    // The server side closes first, which leaves its end of the connection waiting on the port.
    EXPECT_TRUE(server.slots.DisconnectServer());
    peer.CloseClient();
    std::this_thread::sleep_for(50ms);

    ASSERT_TRUE(server.slots.CreateServer());
    ASSERT_TRUE(server.slots.ListenServer());
    ASSERT_TRUE(server.slots.ConnectToServer2("127.0.0.1"));
    ASSERT_TRUE(server.slots.SendData2(sent.data()));
    ASSERT_TRUE(server.slots.DisconnectClient2());
    ASSERT_TRUE(server.slots.AcceptServer());
    Record received(kSecureRecordSize);
    EXPECT_TRUE(server.slots.ReceiveData(received.data()));
    EXPECT_TRUE(received == sent);
}

TEST(ServerSlotRebind, FailedCreateServerLeavesOnlyHarmlessSteps)
{
    const std::uint16_t port = FreePort();
    TcpChannel occupant;
    ASSERT_TRUE(occupant.Bind(port));
    ASSERT_TRUE(occupant.Listen(1));

    ConnectionSlots slots(port);
    EXPECT_FALSE(slots.CreateServer());
    EXPECT_FALSE(slots.ListenServer());
    EXPECT_FALSE(slots.AcceptServer());
    EXPECT_TRUE(slots.DisconnectServer());

    occupant.CloseServer();
    EXPECT_TRUE(slots.CreateServer());
    EXPECT_TRUE(slots.ListenServer());
}

// --- DisconnectServer from another thread ---

TEST(ServerSlotShutdownConcurrency, DisconnectServerWakesBlockedAcceptServer)
{
    const std::uint16_t port = FreePort();
    ConnectionSlots slots(port);
    ASSERT_TRUE(slots.CreateServer());
    ASSERT_TRUE(slots.ListenServer());
    auto accepting = std::async(std::launch::async, [&] { return slots.AcceptServer(); });
    std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(slots.DisconnectServer());

    if (accepting.wait_for(5s) != std::future_status::ready) {
        ADD_FAILURE() << "DisconnectServer did not wake AcceptServer";
        TcpChannel rescuer;
        rescuer.Connect("127.0.0.1", port);
    }
    EXPECT_FALSE(accepting.get());
}

TEST(ServerSlotShutdownConcurrency, DisconnectServerWakesBlockedReceiveData)
{
    const std::uint16_t port = FreePort();
    ConnectionSlots slots(port);
    ASSERT_TRUE(slots.CreateServer());
    ASSERT_TRUE(slots.ListenServer());
    TcpChannel peer;
    ASSERT_TRUE(peer.Connect("127.0.0.1", port));
    ASSERT_TRUE(slots.AcceptServer());
    ASSERT_TRUE(peer.Send("part", 4));

    Record received(kSecureRecordSize, 0xAA);
    auto receiving = std::async(std::launch::async, [&] { return slots.ReceiveData(received.data()); });
    std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(slots.DisconnectServer());

    if (receiving.wait_for(5s) != std::future_status::ready) {
        ADD_FAILURE() << "DisconnectServer did not wake ReceiveData";
        peer.CloseClient();
    }
    EXPECT_FALSE(receiving.get());
    EXPECT_TRUE(AllZero(received));
}

// --- holding the request slot ---

// Waits for another thread's ConnectToServer2; if the hold keeps it waiting too long the test
// fails and the calling thread, the holder, lets go so that the test ends.
bool AwaitOtherUser(std::future<bool>& other, ConnectionSlots& slots)
{
    if (other.wait_for(5s) != std::future_status::ready) {
        ADD_FAILURE() << "the request slot was not free for another thread";
        slots.DisconnectClient2();
    }
    return other.get();
}

TEST(RequestSlotHoldConcurrency, SecondUserConnectsOnlyAfterFirstDisconnects)
{
    ListeningSlots server;
    ConnectionSlots& slots = server.slots;
    std::mutex eventsLock;
    std::vector<std::string> events;
    auto note = [&](const char* event) {
        std::lock_guard<std::mutex> hold(eventsLock);
        events.push_back(event);
    };

    ASSERT_TRUE(slots.ConnectToServer2("127.0.0.1"));
    std::atomic<bool> secondConnected{false};
    auto second = std::async(std::launch::async, [&] {
        bool connected = slots.ConnectToServer2("127.0.0.1");
        note("second connected");
        secondConnected = true;
        slots.DisconnectClient2();
        return connected;
    });
    std::this_thread::sleep_for(300ms);
    EXPECT_FALSE(secondConnected) << "ConnectToServer2 did not wait for the holder";
    note("first disconnects");
    EXPECT_TRUE(slots.DisconnectClient2());

    EXPECT_TRUE(AwaitOtherUser(second, slots));
    const std::vector<std::string> expected = {"first disconnects", "second connected"};
    EXPECT_EQ(expected, events);
}

// A thread whose connection failed and that ends without DisconnectClient2 (as a probe of a
// computer without the program does) leaves the slot free for everyone after it.
TEST(RequestSlotHoldConcurrency, AFailedConnectLeavesTheSlotFree)
{
    auto slots = std::make_shared<ConnectionSlots>(FreePort()); // nobody listens there
    std::thread prober([&] { EXPECT_FALSE(slots->ConnectToServer2("127.0.0.1")); });
    prober.join();
    // The next user runs on a thread of its own that may be left waiting if the slot stays held.
    auto done = std::make_shared<std::promise<bool>>();
    std::future<bool> next = done->get_future();
    std::thread([slots, done] { done->set_value(slots->ConnectToServer2("127.0.0.1")); }).detach();
    ASSERT_EQ(next.wait_for(5s), std::future_status::ready) << "the failed connection kept the slot held";
    EXPECT_FALSE(next.get());
}

TEST(RequestSlotHoldConcurrency, DisconnectByAnotherThreadKeepsTheHold)
{
    ListeningSlots server;
    ConnectionSlots& slots = server.slots;
    const Record sent = MakeRecord(13);
    ASSERT_TRUE(slots.ConnectToServer2("127.0.0.1"));

    std::thread stranger([&] {
        EXPECT_TRUE(slots.DisconnectClient2());
        EXPECT_FALSE(slots.SendData2(sent.data()));
    });
    stranger.join();

    std::atomic<bool> thirdConnected{false};
    auto third = std::async(std::launch::async, [&] {
        bool connected = slots.ConnectToServer2("127.0.0.1");
        thirdConnected = true;
        slots.DisconnectClient2();
        return connected;
    });
    std::this_thread::sleep_for(200ms);
    EXPECT_FALSE(thirdConnected) << "another thread's DisconnectClient2 released the hold";

    EXPECT_TRUE(slots.SendData2(sent.data())) << "another thread's DisconnectClient2 closed the connection";
    EXPECT_TRUE(slots.DisconnectClient2());
    EXPECT_TRUE(AwaitOtherUser(third, slots));

    ASSERT_TRUE(slots.AcceptServer());
    Record received(kSecureRecordSize);
    EXPECT_TRUE(slots.ReceiveData(received.data()));
    EXPECT_TRUE(received == sent);
}

TEST(RequestSlotHoldConcurrency, DisconnectWithoutConnectLeavesSlotFree)
{
    ListeningSlots server;
    ConnectionSlots& slots = server.slots;
    std::thread([&] { EXPECT_TRUE(slots.DisconnectClient2()); }).join();
    EXPECT_TRUE(slots.DisconnectClient2());

    auto other = std::async(std::launch::async, [&] {
        bool connected = slots.ConnectToServer2("127.0.0.1");
        slots.DisconnectClient2();
        return connected;
    });
    EXPECT_TRUE(AwaitOtherUser(other, slots));
}

TEST(RequestSlotHoldConcurrency, HolderConnectingAgainReplacesItsConnection)
{
    ListeningSlots server;
    ConnectionSlots& slots = server.slots;
    const Record sent = MakeRecord(14);
    ASSERT_TRUE(slots.ConnectToServer2("127.0.0.1"));
    ASSERT_TRUE(slots.ConnectToServer2("127.0.0.1"));
    ASSERT_TRUE(slots.SendData2(sent.data()));
    ASSERT_TRUE(slots.DisconnectClient2());

    // The first connection was closed without a record; the second carries it.
    Record received(kSecureRecordSize);
    ASSERT_TRUE(slots.AcceptServer());
    EXPECT_FALSE(slots.ReceiveData(received.data()));
    ASSERT_TRUE(slots.AcceptServer());
    EXPECT_TRUE(slots.ReceiveData(received.data()));
    EXPECT_TRUE(received == sent);
}

// --- many senders, one server ---

constexpr unsigned kSenders = 4;
constexpr unsigned kRecordsPerSender = 4;

Record SenderRecord(unsigned sender, unsigned index)
{
    Record record = MakeRecord(sender * 100 + index);
    record[0] = static_cast<std::uint8_t>(sender);
    record[1] = static_cast<std::uint8_t>(index);
    return record;
}

// One exchange through the request slot, retrying the connect a bounded number of times.
bool SendThroughRequestSlot(ConnectionSlots& slots, const Record& record)
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (slots.ConnectToServer2("127.0.0.1")) {
            bool sent = slots.SendData2(record.data());
            slots.DisconnectClient2();
            return sent;
        }
        slots.DisconnectClient2();
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

TEST(ChannelConcurrency, RecordsFromManySendersAllArriveIntact)
{
    const std::uint16_t port = FreePort();
    ConnectionSlots slots(port);
    ASSERT_TRUE(slots.CreateServer());
    ASSERT_TRUE(slots.ListenServer());
    Watchdog watchdog([&] { slots.DisconnectServer(); }, 30s);

    std::vector<std::vector<int>> seen(kSenders, std::vector<int>(kRecordsPerSender, 0));
    unsigned corrupted = 0;
    std::thread server([&] {
        unsigned received = 0;
        Record record(kSecureRecordSize);
        while (received < kSenders * kRecordsPerSender && slots.AcceptServer()) {
            while (slots.ReceiveData(record.data())) {
                ++received;
                unsigned sender = record[0], index = record[1];
                if (sender >= kSenders || index >= kRecordsPerSender || record != SenderRecord(sender, index))
                    ++corrupted;
                else
                    ++seen[sender][index];
            }
        }
    });

    std::vector<std::thread> senders;
    for (unsigned sender = 0; sender < kSenders; ++sender) {
        senders.emplace_back([&, sender] {
            for (unsigned index = 0; index < kRecordsPerSender; ++index)
                EXPECT_TRUE(SendThroughRequestSlot(slots, SenderRecord(sender, index)));
        });
    }
    for (std::thread& t : senders)
        t.join();
    server.join();

    EXPECT_EQ(0u, corrupted);
    for (unsigned sender = 0; sender < kSenders; ++sender)
        for (unsigned index = 0; index < kRecordsPerSender; ++index)
            EXPECT_EQ(1, seen[sender][index]) << "sender " << sender << " record " << index;
}

} // namespace
} // namespace kivet::secure
