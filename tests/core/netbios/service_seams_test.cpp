// Two computers running the service on an in-memory subnet, used through the seams the program
// holds: NetBios, MailslotWriter and NetworkProvider. Real threads and clock, short timings.
#include <gtest/gtest.h>

#include <mutex>
#include <thread>

#include "messenger/netbios/name_text.h"
#include "messenger/netbios/nbt_mailslot_writer.h"
#include "messenger/netbios/nbt_netbios.h"
#include "messenger/netbios/nbt_network_provider.h"
#include "messenger/netbios/nbt_service.h"
#include "tests/core/netbios/engine_fakes.h"
#include "tests/core/netbios/memory_subnet.h"

using namespace kivet;
using namespace kivet::nbt;
using namespace kivet::nbt::test;

namespace {

class LockedMailslots final : public LocalMailslots {
public:
    bool Deliver(std::string_view leaf, const uint8_t* data, std::size_t size) override
    {
        std::lock_guard<std::mutex> guard(lock);
        delivered.push_back(Delivery{std::string(leaf), std::vector<uint8_t>(data, data + size)});
        return true;
    }
    std::vector<Delivery> Taken()
    {
        std::lock_guard<std::mutex> guard(lock);
        std::vector<Delivery> taken;
        taken.swap(delivered);
        return taken;
    }

    std::mutex lock;
    std::vector<Delivery> delivered;
};

EngineConfig FastConfig(uint32_t address)
{
    EngineConfig config = TestConfig();
    config.localAddress = address;
    config.broadcastIntervalMs = 30;
    config.mac[5] = static_cast<uint8_t>(address);
    return config;
}

struct Computer {
    Computer(MemorySubnet& subnet, uint32_t address)
        : subnet(subnet), address(address), sockets(subnet, address), service(FastConfig(address), sockets, mailslots), netbios(service),
          writer(service), provider(service)
    {
        subnet.Attach(address, sockets);
        service.Start();
    }
    ~Computer()
    {
        service.Stop();
        subnet.Detach(address);
    }

    void AddUsualNames(const char* computer, const char* user, const char* workgroup)
    {
        const std::vector<NameToAdd> names = {
            {Name(computer, 0x00), false}, {Name(computer, 0x03), false}, {Name(user, 0x03), false},
            {Name(workgroup, 0x00), true}, {Name(workgroup, 0x1E), true},
        };
        for (const uint8_t nrc : service.AddNames(names))
            ASSERT_EQ(nrc, kNrcGoodReturn);
    }

    MemorySubnet& subnet;
    uint32_t address;
    MemorySockets sockets;
    LockedMailslots mailslots;
    NbtService service;
    NbtNetBios netbios;
    NbtMailslotWriter writer;
    NbtNetworkProvider provider;
};

class ServiceSeams : public ::testing::Test {
protected:
    MemorySubnet subnet{kBroadcast};
    Computer alice{subnet, kOwnAddress};
    Computer bob{subnet, kPeerAddress};
};

} // namespace

TEST_F(ServiceSeams, NetBiosCommandsAcrossTheSubnet)
{
    alice.AddUsualNames("PC-ALICE", "ALICE", "OFFICE");
    bob.AddUsualNames("PC-BOB", "BOB", "OFFICE");

    std::vector<uint8_t> lanas;
    EXPECT_EQ(bob.netbios.EnumerateAdapters(lanas), kNrcGoodReturn);
    EXPECT_EQ(lanas, std::vector<uint8_t>{0});
    EXPECT_EQ(bob.netbios.Reset(0), kNrcGoodReturn);
    EXPECT_EQ(bob.netbios.Reset(1), kNrcBridge);

    std::array<uint8_t, 6> source{};
    ASSERT_EQ(bob.netbios.FindName(0, Name("ALICE", 0x03), source), kNrcGoodReturn);
    EXPECT_EQ(source, (std::array<uint8_t, 6>{0, 0, 192, 168, 10, 1}));
    EXPECT_EQ(bob.netbios.FindName(0, Name("CAROL", 0x03), source), kNrcCommandTimedOut);

    AdapterStatus status;
    ASSERT_EQ(bob.netbios.QueryAdapterStatus(0, Name("PC-ALICE", 0x00), status), kNrcGoodReturn);
    EXPECT_EQ(status.mac[5], 1);
    ASSERT_EQ(status.names.size(), 5u);
    EXPECT_EQ(status.names[3].name, Name("OFFICE", 0x00));
    EXPECT_EQ(status.names[3].flags, 0x84);

    // Auto-Reply mode: the name appears in the status others read, and leaves again.
    EXPECT_EQ(alice.netbios.AddGroupName(0, Name("AUTOANSWERMODE", 0x11)), kNrcGoodReturn);
    EXPECT_EQ(bob.netbios.AddGroupName(0, Name("AUTOANSWERMODE", 0x11)), kNrcGoodReturn) << "a group is shared";
    ASSERT_EQ(bob.netbios.QueryAdapterStatus(0, Name("PC-ALICE", 0x00), status), kNrcGoodReturn);
    EXPECT_EQ(status.names.back().name, Name("AUTOANSWERMODE", 0x11));
    EXPECT_EQ(alice.netbios.DeleteName(0, Name("AUTOANSWERMODE", 0x11)), kNrcGoodReturn);
    ASSERT_EQ(bob.netbios.QueryAdapterStatus(0, Name("PC-ALICE", 0x00), status), kNrcGoodReturn);
    EXPECT_EQ(status.names.size(), 5u);

    // A unique name held by another computer is refused; the same name twice here too.
    EXPECT_EQ(bob.netbios.AddName(0, Name("ALICE", 0x03)), kNrcNameInUseElsewhere);
    EXPECT_EQ(bob.netbios.AddName(0, Name("BOB", 0x03)), kNrcDuplicateName);
    EXPECT_EQ(bob.netbios.AddName(2, Name("X", 0x03)), kNrcBridge);
}

TEST_F(ServiceSeams, MailslotWritesReachTheRightComputers)
{
    alice.AddUsualNames("PC-ALICE", "ALICE", "OFFICE");
    bob.AddUsualNames("PC-BOB", "BOB", "OFFICE");
    const std::vector<uint8_t> message = Bytes(std::string("Bob\0Alice\0hi\0PC-BOB\0\0\0", 23));

    EXPECT_TRUE(bob.writer.Write("alice", "\\mailslot\\messngr", message.data(), message.size()));
    EXPECT_TRUE(bob.writer.Write("PC-ALICE", "\\mailslot\\kivet\\autoanswer", message.data(), message.size()));
    EXPECT_TRUE(bob.writer.Write("OFFICE", "\\mailslot\\kivet\\group", message.data(), message.size()));
    EXPECT_TRUE(bob.writer.Write("*", "\\mailslot\\messngr", message.data(), message.size()));
    EXPECT_FALSE(bob.writer.Write("CAROL", "\\mailslot\\messngr", message.data(), message.size()));
    EXPECT_FALSE(bob.writer.Write("ALICE", "\\mailslot\\..\\etc", message.data(), message.size()));

    std::vector<Delivery> atAlice;
    for (int i = 0; i < 100 && atAlice.size() < 4; ++i) {
        for (Delivery& d : alice.mailslots.Taken())
            atAlice.push_back(std::move(d));
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_EQ(atAlice.size(), 4u);
    EXPECT_EQ(atAlice[0].leaf, "messngr");
    EXPECT_EQ(atAlice[0].data, message);
    EXPECT_EQ(atAlice[1].leaf, "kivet\\autoanswer");
    EXPECT_EQ(atAlice[2].leaf, "kivet\\group");
    EXPECT_EQ(atAlice[3].leaf, "messngr");
    EXPECT_EQ(bob.mailslots.Taken().size(), 2u) << "the writer's own copies of the workgroup writes";
}

TEST_F(ServiceSeams, NetworkProviderListsWorkgroupsAndComputers)
{
    alice.AddUsualNames("PC-ALICE", "ALICE", "OFFICE");
    bob.AddUsualNames("PC-BOB", "BOB", "SALES");
    std::vector<std::string> domains;
    ASSERT_TRUE(bob.provider.EnumerateDomains(domains));
    EXPECT_EQ(domains, (std::vector<std::string>{"OFFICE", "SALES"}));
    std::vector<std::string> computers;
    ASSERT_TRUE(bob.provider.EnumerateComputers("office", computers));
    EXPECT_EQ(computers, std::vector<std::string>{"PC-ALICE"});
    ASSERT_TRUE(bob.provider.EnumerateComputers("SALES", computers));
    EXPECT_EQ(computers, std::vector<std::string>{"PC-BOB"});
}

TEST_F(ServiceSeams, StoppedServiceFailsEveryCommandAndWaitingCallsReturn)
{
    bob.AddUsualNames("PC-BOB", "BOB", "OFFICE");
    std::array<uint8_t, 6> source{};
    std::thread waiting([&] { EXPECT_NE(bob.netbios.FindName(0, Name("NOBODY", 0x03), source), kNrcGoodReturn); });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    bob.service.Stop();
    waiting.join();

    std::vector<uint8_t> lanas{7};
    EXPECT_EQ(bob.netbios.EnumerateAdapters(lanas), kNrcGoodReturn);
    EXPECT_TRUE(lanas.empty());
    EXPECT_EQ(bob.netbios.AddName(0, Name("BOB2", 0x03)), kNrcSystem);
    const uint8_t byte = 1;
    EXPECT_FALSE(bob.writer.Write("*", "\\mailslot\\messngr", &byte, 1));
    std::vector<std::string> domains;
    EXPECT_FALSE(bob.provider.EnumerateDomains(domains));
}
