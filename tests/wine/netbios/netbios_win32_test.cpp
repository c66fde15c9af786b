// The Win32 edge of our NetBIOS under Wine: local mailslot delivery, the Winsock sockets, the
// choice of NetBIOS and a start that finds its ports taken.
#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>

#include <string>
#include <vector>

#include "messenger/netbios/win32/lan_interface.h"
#include "messenger/netbios/win32/local_mailslots_win32.h"
#include "messenger/netbios/win32/netbios_choice.h"
#include "messenger/netbios/win32/own_netbios.h"
#include "messenger/netbios/win32/winsock_nbt_sockets.h"

using namespace kivet::nbt;

namespace {

constexpr uint16_t kTestNameServicePort = 47137;
constexpr uint16_t kTestDatagramPort = 47138;
constexpr uint32_t kLoopback = 0x7F000001;

HANDLE MakeMailslot(const char* leaf)
{
    return CreateMailslotA((std::string("\\\\.\\mailslot\\") + leaf).c_str(), 0, 0, nullptr);
}

std::string ReadOne(HANDLE mailslot)
{
    DWORD next = 0, count = 0;
    if (!GetMailslotInfo(mailslot, nullptr, &next, &count, nullptr) || next == MAILSLOT_NO_MESSAGE) return "(none)";
    std::string data(next, '\0');
    DWORD read = 0;
    ReadFile(mailslot, data.data(), next, &read, nullptr);
    return data;
}

bool Deliver(Win32LocalMailslots& mailslots, const char* leaf, const std::string& text)
{
    return mailslots.Deliver(leaf, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

class Winsock : public ::testing::Test {
protected:
    void SetUp() override
    {
        WSADATA data;
        ASSERT_EQ(WSAStartup(MAKEWORD(1, 1), &data), 0);
    }
    void TearDown() override { WSACleanup(); }
};

} // namespace

TEST(LocalMailslotDelivery, MessagesArriveWholeAndAMadeAnewMailslotIsFound)
{
    Win32LocalMailslots mailslots;
    HANDLE reader = MakeMailslot("kivet\\nbttest");
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    const std::string message("Bob\0Jsmith\0hello\0", 17);
    EXPECT_TRUE(Deliver(mailslots, "kivet\\nbttest", message));
    EXPECT_TRUE(Deliver(mailslots, "KIVET\\NBTTEST", "second")) << "mailslot names ignore case";
    EXPECT_EQ(ReadOne(reader), message);
    EXPECT_EQ(ReadOne(reader), "second");

    // The reader goes away and comes back; messages written meanwhile fail, later ones arrive.
    CloseHandle(reader);
    EXPECT_FALSE(Deliver(mailslots, "kivet\\nbttest", "nobody reads"));
    reader = MakeMailslot("kivet\\nbttest");
    EXPECT_TRUE(Deliver(mailslots, "kivet\\nbttest", "back again"));
    EXPECT_EQ(ReadOne(reader), "back again");
    CloseHandle(reader);

    EXPECT_FALSE(Deliver(mailslots, "no\\such\\mailslot", "x"));
}

TEST(LocalMailslotDelivery, OtherWritersOfTheMailslotAreNotLockedOut)
{
    Win32LocalMailslots mailslots;
    const HANDLE reader = MakeMailslot("kivet\\nbtshare");
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(Deliver(mailslots, "kivet\\nbtshare", "from the network"));
    const HANDLE writer = CreateFileA("\\\\.\\mailslot\\kivet\\nbtshare", GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(writer, INVALID_HANDLE_VALUE) << "the program's own writer opens the mailslot as usual";
    if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);
    EXPECT_EQ(ReadOne(reader), "from the network");
    CloseHandle(reader);
}

TEST_F(Winsock, SocketsCarryDatagramsAndRefuseATakenPort)
{
    WinsockNbtSockets sockets;
    uint16_t failedPort = 0;
    ASSERT_TRUE(sockets.Open(kTestNameServicePort, kTestDatagramPort, failedPort));
    const std::vector<uint8_t> bytes = {1, 2, 3, 4};
    sockets.Send(kTestDatagramPort, kLoopback, kTestDatagramPort, bytes);
    sockets.Send(kTestNameServicePort, kLoopback, kTestNameServicePort, {9});
    std::vector<ReceivedPacket> received;
    ReceivedPacket packet;
    for (int i = 0; i < 50 && received.size() < 2; ++i)
        if (sockets.Receive(20, packet)) received.push_back(packet);
    ASSERT_EQ(received.size(), 2u);
    for (const ReceivedPacket& got : received) {
        EXPECT_EQ(got.from, kLoopback);
        EXPECT_EQ(got.fromPort, got.localPort) << "sent from the socket of the same service";
        EXPECT_EQ(got.bytes, got.localPort == kTestDatagramPort ? bytes : std::vector<uint8_t>{9});
    }
    EXPECT_FALSE(sockets.Receive(20, packet));

    WinsockNbtSockets second;
    EXPECT_FALSE(second.Open(kTestNameServicePort, kTestDatagramPort, failedPort));
    EXPECT_EQ(failedPort, kTestNameServicePort);

    OwnNetBios netbios;
    const OwnNetBiosStart result = netbios.Start(OwnNetBiosSettings{0, kTestNameServicePort, kTestDatagramPort});
    if (result == OwnNetBiosStart::NoInterface) GTEST_SKIP() << "no network adapter besides the loopback";
    EXPECT_EQ(result, OwnNetBiosStart::PortInUse);
    EXPECT_FALSE(netbios.IsRunning());
    EXPECT_EQ(netbios.Commands(), nullptr);
    EXPECT_NE(DescribeStart(result, netbios).find("UDP port 47137"), std::string::npos);
}

TEST(NetBiosChoiceUnderWine, OursIsChosen)
{
    EXPECT_TRUE(IsRunningUnderWine());
    EXPECT_EQ(ChooseNetBios(), NetBiosChoice::OwnUnderWine);
    EXPECT_STREQ(NetBiosChoiceText(NetBiosChoice::OwnUnderWine),
                 "Using the program's own NetBIOS over TCP/IP (running under Wine)");
}

TEST_F(Winsock, LanInterfaceHasASubnetBroadcast)
{
    LanInterface lan;
    if (!FindLanInterface(lan)) GTEST_SKIP() << "no network adapter besides the loopback";
    EXPECT_NE(lan.address >> 24, 127u);
    EXPECT_EQ(lan.broadcast & lan.address, lan.address) << "the broadcast address covers the interface's";
    EXPECT_NE(lan.broadcast, lan.address);
}
