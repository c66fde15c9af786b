// The browser's Win32 seams on the real system calls (under Wine: its NetBIOS over TCP/IP, no
// network provider, the host resolver), and the browser running on them.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <thread>

#include "common/text_codec.h"
#include "messenger/browser/network_browser.h"
#include "messenger/browser/win32/sockets_session.h"
#include "messenger/browser/win32/system_netbios.h"
#include "messenger/browser/win32/win32_host_lookup.h"
#include "messenger/browser/win32/win32_local_system.h"
#include "messenger/browser/win32/win32_netbios.h"
#include "messenger/browser/win32/win32_network_provider.h"
#include "messenger/runtime/action_log.h"

namespace kivet {
namespace {

TEST(Win32NetBiosOnTheSystem, AdaptersResetAndLocalStatus)
{
    Win32NetBios netbios;
    std::vector<uint8_t> lanas;
    ASSERT_EQ(netbios.EnumerateAdapters(lanas), kNrcGoodReturn);
    ASSERT_FALSE(lanas.empty()) << "one adapter per IPv4 subnet";
    EXPECT_EQ(netbios.Reset(lanas[0]), kNrcGoodReturn);
    AdapterStatus status;
    ASSERT_EQ(netbios.QueryAdapterStatus(lanas[0], MakeNetBiosName("*", ' '), status), kNrcGoodReturn);
    EXPECT_NE(status.mac, (std::array<uint8_t, 6>{})) << "the local adapter's MAC address";
}

TEST(Win32NetBiosOnTheSystem, NameNobodyHoldsIsNotFound)
{
    Win32NetBios netbios;
    std::vector<uint8_t> lanas;
    ASSERT_EQ(netbios.EnumerateAdapters(lanas), kNrcGoodReturn);
    ASSERT_FALSE(lanas.empty());
    std::array<uint8_t, 6> source{};
    EXPECT_NE(netbios.FindName(lanas[0], MakeNetBiosName("NOSUCHKIVETPC", kSuffixMessenger), source),
              kNrcGoodReturn);
}

TEST(Win32NetworkProviderOnTheSystem, NoNetworkIsAFailureNotAnEmptyList)
{
    Win32NetworkProvider provider;
    std::vector<std::string> domains;
    const bool listed = provider.EnumerateDomains(domains);
    if (listed) GTEST_SKIP() << "this system lists a network";
    EXPECT_TRUE(domains.empty());
    std::vector<std::string> computers;
    EXPECT_FALSE(provider.EnumerateComputers("WORKGROUP", computers));
}

TEST(Win32HostLookupOnTheSystem, NamesAndAddresses)
{
    SocketsSession sockets;
    ASSERT_TRUE(sockets.Started());
    Win32HostLookup hosts;
    EXPECT_EQ(hosts.AddressOfName("localhost"), "127.0.0.1");
    EXPECT_FALSE(hosts.NameOfAddress("127.0.0.1").empty());
    EXPECT_EQ(hosts.NameOfAddress("not.an.address.x"), "");
    EXPECT_EQ(hosts.NameOfAddress("1.2.3.400"), "");
    EXPECT_EQ(hosts.AddressOfName(""), "");
}

class CountingLog : public ActionWriter {
public:
    void Write(std::string_view) override { ++entries; }
    std::atomic<int> entries{0};
};

TEST(NetworkBrowserOnTheSystem, StartUpAndAScan)
{
    SocketsSession sockets;
    CountingLog log;
    BrowserSeams seams;
    seams.netbios = SystemNetBios();
    seams.provider = std::make_shared<Win32NetworkProvider>();
    seams.hosts = std::make_shared<Win32HostLookup>();
    seams.system = std::make_shared<Win32LocalSystem>();
    seams.codec = &AsciiCodec();
    seams.log = &log;
    seams.clock = [] { return LocalTimeNow(); };
    NetworkBrowser browser(seams, BrowserPlatformFor({true, kPlatformWindowsNT, 10, 0}));

    ASSERT_TRUE(browser.EnumerateAdapters());
    browser.RunStartupWork(false, {});
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof computer;
    GetComputerNameA(computer, &size);
    EXPECT_EQ(browser.LocalComputer(), AsciiCodec().Upper(computer));
    EXPECT_FALSE(browser.LocalUser().empty());

    ASSERT_TRUE(browser.StartScan({}));
    for (int i = 0; i < 600 && browser.ScanRunning(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_FALSE(browser.ScanRunning());
    EXPECT_FALSE(browser.ScanTime().empty());
    EXPECT_TRUE(browser.KnownComputers().empty()) << "no network provider lists anything here";
    EXPECT_EQ(browser.StatusFigures().size(), 3u) << "computers, users and the time of the scan";
    EXPECT_GT(log.entries.load(), 0);
}

} // namespace
} // namespace kivet
