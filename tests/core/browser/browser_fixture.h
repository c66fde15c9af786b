// A network browser over the fake LAN, provider, resolver and local system.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "messenger/browser/network_browser.h"
#include "tests/core/browser/browser_fakes.h"
#include "tests/fakes/table_codec.h"

namespace kivet::test {

inline BrowserPlatform XpPlatform()
{
    return BrowserPlatformFor({true, kPlatformWindowsNT, 5, 1});
}

class BrowserFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        FillBrowserTexts();
        lan->adapters = {0};
        lan->localAdapters[0] = Workstation("PC-LOCAL", "", "OFFICE", 1);
    }

    // The secure server's probe the scan asks; none unless a test sets it.
    std::function<bool(std::string_view)> probeMessenger;

    // The browser after the start-up steps.
    std::unique_ptr<NetworkBrowser> Start(BrowserPlatform platform = XpPlatform(), bool autoScan = true)
    {
        BrowserSeams seams;
        seams.netbios = lan;
        seams.provider = provider;
        seams.hosts = hosts;
        seams.system = system;
        seams.codec = &TestCodec();
        seams.log = log.get();
        seams.probeMessenger = probeMessenger;
        seams.clock = [] {
            std::tm t{};
            t.tm_hour = 9;
            t.tm_min = 5;
            t.tm_sec = 7;
            return t;
        };
        auto browser = std::make_unique<NetworkBrowser>(seams, platform);
        EXPECT_TRUE(browser->EnumerateAdapters());
        browser->RunStartupWork(autoScan, {});
        return browser;
    }

    // Computers PC0 ... PC<count - 1> in domain OFFICE, each on line with no user.
    void AddComputers(int count)
    {
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i) {
            const std::string name = "PC" + std::to_string(i);
            names.push_back("\\\\" + name);
            lan->AddComputer(name, Workstation(name, "", "OFFICE", static_cast<uint8_t>(10 + i % 200)));
        }
        provider->network.push_back({"OFFICE", names});
    }

    // A log for tests that abandon a scan: the abandoned thread may still write to it after the
    // test, as the program's own log outlives every thread.
    void UseLastingLog()
    {
        static RecordingLog* lasting = new RecordingLog;
        log = std::shared_ptr<RecordingLog>(lasting, [](RecordingLog*) {});
    }

    // Starts a scan and waits for its end.
    void Scan(NetworkBrowser& browser, std::vector<std::string> quickList = {})
    {
        ASSERT_TRUE(browser.StartScan(std::move(quickList)));
        while (browser.ScanRunning())
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }

    std::shared_ptr<FakeLan> lan = std::make_shared<FakeLan>();
    std::shared_ptr<FakeProvider> provider = std::make_shared<FakeProvider>();
    std::shared_ptr<FakeHosts> hosts = std::make_shared<FakeHosts>();
    std::shared_ptr<FakeSystem> system = std::make_shared<FakeSystem>();
    std::shared_ptr<RecordingLog> log = std::make_shared<RecordingLog>();
    std::shared_ptr<RecordingObserver> observer = std::make_shared<RecordingObserver>();
};

} // namespace kivet::test
