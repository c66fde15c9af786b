// Network scans through the browser: workers and slices, users and states, the tree and status
// bar, the Quick List status, platforms, bounds and stopping.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <set>

#include "common/fixed_text.h"
#include "tests/core/browser/browser_fixture.h"

namespace kivet {
namespace {

using test::BrowserFixture;
using test::FakeComputer;
using test::Workstation;

class NetworkScanTest : public BrowserFixture {};

TEST_F(NetworkScanTest, TwentyFiveComputersByThreeWorkersOfTenTenAndFive)
{
    AddComputers(25);
    auto browser = Start();
    Scan(*browser);

    std::map<std::thread::id, std::set<std::string>> byThread;
    for (const auto& call : lan->CallsOf("astat"))
        if (call.text.rfind("PC", 0) == 0 && call.text != "PC-LOCAL") byThread[call.thread].insert(call.text);
    std::multiset<std::size_t> sizes;
    for (const auto& [thread, computers] : byThread)
        sizes.insert(computers.size());
    EXPECT_EQ(sizes, (std::multiset<std::size_t>{5, 10, 10}));
    for (const auto& [thread, computers] : byThread) {
        if (computers.size() == 5u) {
            EXPECT_EQ(computers, (std::set<std::string>{"PC20", "PC21", "PC22", "PC23", "PC24"}));
        }
    }

    const auto tables = browser->Tables();
    ASSERT_EQ(tables->computers.size(), 25u);
    EXPECT_TRUE(std::all_of(tables->computers.begin(), tables->computers.end(),
                            [](const ScannedComputer& c) { return c.state == kScanOnline; }));
    EXPECT_EQ(browser->Identity().computersCount, 25);
}

TEST_F(NetworkScanTest, LoggedOnUserAutoReplyAndOffLine)
{
    FakeComputer away = Workstation("PC2", "MJONES", "OFFICE", 2);
    away.names.push_back({"AUTOANSWERMODE", 0x11, test::kGroupRegistered});
    lan->AddComputer("PC1", Workstation("PC1", "JSMITH", "OFFICE", 1));
    lan->AddComputer("PC2", away);
    provider->network = {{"OFFICE", {"\\\\PC1", "\\\\PC2", "\\\\PC3"}}}; // PC3 does not answer
    auto browser = Start();
    Scan(*browser);

    const auto tables = browser->Tables();
    ASSERT_EQ(tables->computers.size(), 3u);
    EXPECT_EQ(tables->computers[0].state, kScanOnline);
    EXPECT_EQ(tables->computers[1].state, kScanAutoReply);
    EXPECT_EQ(tables->computers[2].state, kScanOffline);
    ASSERT_EQ(tables->users.size(), 2u);
    EXPECT_EQ(FieldText(tables->users[0].name), "JSMITH");
    EXPECT_EQ(FieldText(tables->users[0].computer), "PC1");
    EXPECT_EQ(tables->users[0].state, kScanOnline);
    EXPECT_EQ(FieldText(tables->users[1].name), "MJONES");
    EXPECT_EQ(tables->users[1].state, kScanAutoReply) << "the user of a computer in Auto-Reply mode";
    EXPECT_EQ(browser->Identity().usersCount, 2);

    std::string computer;
    ASSERT_TRUE(browser->FindScanned("mjones", computer));
    EXPECT_EQ(computer, "PC2");
    ASSERT_TRUE(browser->FindScanned("pc3", computer));
    EXPECT_EQ(computer, "PC3");
    EXPECT_FALSE(browser->FindScanned("NOBODY", computer));
}

// A computer whose secure server takes a connection runs the messenger; the probe asks only the
// computers that answered, never the local one.
TEST_F(NetworkScanTest, ComputersRunningTheMessengerAreMarked)
{
    std::mutex askedLock;
    std::set<std::string> asked;
    probeMessenger = [&](std::string_view computer) {
        std::lock_guard<std::mutex> guard(askedLock);
        asked.insert(std::string(computer));
        return computer == "PC1";
    };
    lan->AddComputer("PC1", Workstation("PC1", "JSMITH", "OFFICE", 1));
    lan->AddComputer("PC2", Workstation("PC2", "MJONES", "OFFICE", 2));
    provider->network = {{"OFFICE", {"\\PC1", "\\PC2", "\\PC3", "\\PC-LOCAL"}}};
    auto browser = Start();
    Scan(*browser);

    const auto tables = browser->Tables();
    ASSERT_EQ(tables->computers.size(), 4u);
    EXPECT_EQ(tables->computers[0].runsMessenger, 1);
    EXPECT_EQ(tables->computers[1].runsMessenger, 0);
    EXPECT_EQ(tables->computers[2].runsMessenger, 0);
    EXPECT_EQ(asked, (std::set<std::string>{"PC1", "PC2"})) << "not the silent PC3, not the local computer";
}

TEST_F(NetworkScanTest, TreeAndStatusBarAsTheScanGoes)
{
    lan->AddComputer("PC1", Workstation("PC1", "JSMITH", "OFFICE", 1));
    provider->network = {{"OFFICE", {"\\\\PC1"}}, {"LAB", {}}};
    auto browser = Start();
    browser->SetScanObserver(observer);
    Scan(*browser);

    std::lock_guard<std::mutex> guard(observer->lock);
    EXPECT_EQ(observer->events, (std::vector<std::string>{"status", "clear", "status", "insert", "status"}));
    EXPECT_EQ(observer->statuses[0][0].text, "Retrieving the list of computers on the network...");
    EXPECT_EQ(observer->statuses[0][0].icon, 368);
    EXPECT_EQ(observer->statuses[1][0].text, "Scanning the local network: processing Pc1...");
    const std::vector<StatusPart>& figures = observer->statuses[2];
    ASSERT_EQ(figures.size(), 3u);
    EXPECT_EQ(figures[0].text, "Computers: 1");
    EXPECT_EQ(figures[0].icon, 353);
    EXPECT_EQ(figures[1].text, "Users: 1");
    EXPECT_EQ(figures[1].icon, 352);
    EXPECT_EQ(figures[2].text, " Updated at 09:05:07");

    ASSERT_EQ(observer->items.size(), 4u);
    const TreeItem& lab = observer->items[1];
    EXPECT_EQ(lab.branch, TreeBranch::Domains);
    EXPECT_EQ(lab.text, "Lab");
    EXPECT_EQ(lab.value, 21001u);
    EXPECT_EQ(observer->items[2].branch, TreeBranch::Computers);
    EXPECT_EQ(observer->items[2].value, 11000u);
    EXPECT_EQ(observer->items[2].state, kScanOnline);
    EXPECT_EQ(observer->items[3].branch, TreeBranch::Users);
    EXPECT_EQ(observer->items[3].text, "Jsmith");
    EXPECT_EQ(observer->items[3].value, 1000u);
    EXPECT_EQ(browser->ScanTime(), "09:05:07");
}

TEST_F(NetworkScanTest, LogEntriesInOrder)
{
    AddComputers(3);
    auto browser = Start();
    const std::size_t before = log->Entries().size();
    Scan(*browser);
    const std::vector<std::string> all = log->Entries();
    std::vector<std::string> scanEntries;
    for (auto entry = all.begin() + static_cast<long>(before); entry != all.end(); ++entry)
        if (entry->find("Query name") == std::string::npos) scanEntries.push_back(*entry);
    EXPECT_EQ(scanEntries, (std::vector<std::string>{
                               "Scanning users on network...", "Retrieving computer names on the network...",
                               "Retrieving computer names on the network complete.",
                               "Scanning users on network complete.", "Adding names to tree...",
                               "Adding names to tree complete."}));
}

TEST_F(NetworkScanTest, QuickListStatusFromResolutionAndScan)
{
    FakeComputer away = Workstation("PC2", "MJONES", "OFFICE", 2);
    away.names.push_back({"AUTOANSWERMODE", 0x11, test::kGroupRegistered});
    lan->AddComputer("PC1", Workstation("PC1", "JSMITH", "OFFICE", 1));
    lan->AddComputer("PC2", away);
    hosts->names = {{"192.168.1.1", "pc1"}, {"192.168.1.2", "pc2"}};
    provider->network = {{"OFFICE", {"\\PC1", "\\PC2"}}};
    auto browser = Start();
    Scan(*browser, {"JSMITH", "MJONES", "NOBODY", std::string(30, 'Q')});

    const std::vector<QuickListStatus> statuses = browser->QuickListStatuses();
    ASSERT_EQ(statuses.size(), 4u);
    EXPECT_TRUE(statuses[0].found);
    EXPECT_EQ(statuses[0].state, kScanOnline);
    EXPECT_TRUE(statuses[1].found);
    EXPECT_EQ(statuses[1].state, kScanAutoReply);
    EXPECT_FALSE(statuses[2].found);
    EXPECT_EQ(statuses[2].state, kScanOffline);
    EXPECT_EQ(FieldText(statuses[3].name), std::string(15, 'Q'));

    browser->RefreshQuickListStatus({"PC1"});
    ASSERT_EQ(browser->QuickListStatuses().size(), 1u);
    EXPECT_TRUE(browser->QuickListStatuses()[0].found);
}

TEST_F(NetworkScanTest, UsersAreBoundedByTheTable)
{
    // 1100 computers with ten users each: 11000 users for a table of 10000.
    std::vector<std::string> names;
    for (int i = 0; i < 1100; ++i) {
        const std::string name = "H" + std::to_string(i);
        FakeComputer computer = Workstation(name, "", "OFFICE", 1);
        for (int u = 0; u < 10; ++u)
            computer.names.push_back({name + "U" + std::to_string(u), 0x03, test::kUniqueRegistered});
        lan->AddComputer(name, computer);
        names.push_back("\\" + name);
    }
    provider->network = {{"OFFICE", names}};
    auto browser = Start();
    Scan(*browser);
    EXPECT_EQ(browser->Tables()->users.size(), kMaxUsers);
    EXPECT_EQ(browser->Identity().usersCount, kMaxUsers);
    EXPECT_EQ(browser->TreeItems().back().value, kUserItemBase + kMaxUsers - 1);
}

TEST_F(NetworkScanTest, ScanOnTheNtPlatformKeepsTheRegisteredNames)
{
    AddComputers(2);
    auto browser = Start(test::XpPlatform());
    EXPECT_TRUE(lan->Holds(0, "JSMITH", 0x03));
    Scan(*browser);
    Scan(*browser);
    EXPECT_TRUE(lan->Holds(0, "JSMITH", 0x03)) << "a scan's reset must not wipe the names";
    EXPECT_TRUE(lan->Holds(0, "PC-LOCAL", 0x03));
    EXPECT_EQ(lan->ResetsOf(0), 1);
    EXPECT_EQ(lan->CallsOf("enum").size(), 3u) << "start-up and each of the two scans";
}

TEST_F(NetworkScanTest, PlatformsByTheVersionTable)
{
    struct Case {
        OsVersion version;
        bool registers;
        bool retrieves;
        std::size_t enumerations; // start-up and one scan
    } cases[] = {
        {{true, kPlatformWindows9x, 4, 10}, false, true, 1},  // Windows 98
        {{true, kPlatformWindowsNT, 4, 0}, true, true, 1},    // NT 4.0
        {{true, kPlatformWindowsNT, 5, 0}, true, true, 1},    // 2000
        {{true, kPlatformWindowsNT, 5, 1}, true, true, 2},    // XP
        {{true, kPlatformWindowsNT, 5, 2}, true, true, 2},    // family code 0: behaves as XP
        {{true, kPlatformWindowsNT, 10, 0}, true, true, 2},   // Windows 10: as XP
        {{false, kPlatformWindowsNT, 5, 1}, false, false, 1}, // no version known
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.version.platform << " " << c.version.major << "." << c.version.minor);
        lan = std::make_shared<test::FakeLan>();
        lan->adapters = {0};
        lan->localAdapters[0] = Workstation("PC-LOCAL", "", "OFFICE", 1);
        provider->network.clear();
        AddComputers(1);
        auto browser = Start(BrowserPlatformFor(c.version));
        Scan(*browser);
        EXPECT_EQ(lan->Holds(0, "JSMITH", 0x03), c.registers);
        EXPECT_EQ(browser->KnownComputers().size(), c.retrieves ? 1u : 0u);
        EXPECT_EQ(lan->CallsOf("enum").size(), c.enumerations);
        EXPECT_EQ(browser->LocalWorkgroup(), "OFFICE") << "the local names are filled everywhere";
    }
}

TEST_F(NetworkScanTest, WithoutAutoScanStartUpRetrievesTheDomainsOnly)
{
    AddComputers(2);
    auto withAutoScan = Start(test::XpPlatform(), true);
    EXPECT_TRUE(withAutoScan->KnownDomains().empty());
    auto withoutAutoScan = Start(test::XpPlatform(), false);
    EXPECT_EQ(withoutAutoScan->KnownDomains(), (std::vector<std::string>{"OFFICE"}));
    EXPECT_TRUE(withoutAutoScan->KnownComputers().empty());
    EXPECT_TRUE(withoutAutoScan->IsDomain("office"));
    EXPECT_TRUE(withoutAutoScan->IsDomain("OFFICE"));
    EXPECT_FALSE(withoutAutoScan->IsDomain("PC0"));
}

TEST_F(NetworkScanTest, RetrievalForTheSenderKeepsTheUsers)
{
    lan->AddComputer("PC1", Workstation("PC1", "JSMITH", "OFFICE", 1));
    provider->network = {{"OFFICE", {"\\PC1"}}};
    auto browser = Start();
    Scan(*browser);
    provider->network[0].second.push_back("\\PC9");
    EXPECT_EQ(browser->RetrieveComputers(), 2u);
    EXPECT_EQ(browser->KnownComputers(), (std::vector<std::string>{"PC1", "PC9"}));
    EXPECT_EQ(browser->Tables()->users.size(), 1u);
    EXPECT_EQ(browser->Identity().computersCount, 2);
}

TEST_F(NetworkScanTest, OneScanAtATime)
{
    AddComputers(3);
    auto browser = Start();
    lan->HoldQueries();
    ASSERT_TRUE(browser->StartScan({}));
    lan->WaitForHeldQueries();
    EXPECT_TRUE(browser->ScanRunning());
    EXPECT_FALSE(browser->StartScan({}));
    lan->ReleaseQueries();
    while (browser->ScanRunning())
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    EXPECT_TRUE(browser->StartScan({})) << "the next one starts after the first ended";
    browser->StopScan(5000);
}

TEST_F(NetworkScanTest, StopAbandonsTheScanAndPublishesNothing)
{
    AddComputers(30); // workers of 10, 10, 10 and 0 computers
    UseLastingLog();
    auto browser = Start();
    browser->SetScanObserver(observer);
    lan->HoldQueries();
    ASSERT_TRUE(browser->StartScan({}));
    lan->WaitForHeldQueries(3);
    const std::size_t asked = lan->CallsOf("astat").size();
    browser->StopScan(2000); // the workers are inside a network call; the scan thread is not
    EXPECT_FALSE(browser->ScanRunning());
    EXPECT_TRUE(browser->KnownComputers().empty()) << "nothing of a stopped scan is published";
    browser.reset(); // the program ends with the workers still waiting
    lan->ReleaseQueries();
    // The workers come back, see the stop and end without touching what is gone.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(lan->CallsOf("astat").size(), asked) << "no worker asks another computer after the stop";
    std::lock_guard<std::mutex> guard(observer->lock);
    EXPECT_EQ(std::count(observer->events.begin(), observer->events.end(), "insert"), 0);
}

TEST_F(NetworkScanTest, StopDuringTheRetrievalLeavesTheThreadToEndByItself)
{
    AddComputers(3);
    UseLastingLog();
    auto browser = Start();
    hosts->names = {{"192.168.1.11", "pc1"}};
    lan->HoldQueries();
    ASSERT_TRUE(browser->StartScan({"PC1"})); // the Quick List is resolved before the workers start
    lan->WaitForHeldQueries(1);
    browser->StopScan(20); // the scan thread itself waits in a network call
    browser.reset();
    lan->ReleaseQueries();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(lan->CallsOf("astat").back().text, "PC1") << "no worker started after the stop";
}

TEST_F(NetworkScanTest, AutomaticAnswerTargets)
{
    lan->AddComputer("PC1", Workstation("PC1", "JSMITH", "OFFICE", 1));
    provider->network = {{"OFFICE", {"\\PC1"}}};
    hosts->names = {{"192.168.1.1", "pc1"}};
    auto browser = Start();
    Scan(*browser);
    EXPECT_EQ(browser->ResolvedComputer("jsmith"), std::optional<std::string>("PC1"));
    EXPECT_EQ(browser->ResolvedComputer("nobody"), std::nullopt);

    EXPECT_EQ(browser->ConfirmByAdapterStatus("JSMITH"), std::optional<std::string>("PC1"));
    // Logged off since the scan: the computer no longer names the sender.
    lan->AddComputer("PC1", Workstation("PC1", "", "OFFICE", 1));
    EXPECT_EQ(browser->ConfirmByAdapterStatus("JSMITH"), std::nullopt);
    EXPECT_EQ(browser->ConfirmByAdapterStatus("PC1"), std::optional<std::string>("PC1"));
    EXPECT_EQ(browser->ConfirmByAdapterStatus("STRANGER"), std::nullopt);
}

TEST_F(NetworkScanTest, LocalNamesThroughTheDirectory)
{
    auto browser = Start();
    EXPECT_EQ(browser->LocalUser(), "JSMITH");
    EXPECT_EQ(browser->LocalComputer(), "PC-LOCAL");
    EXPECT_EQ(browser->LocalWorkgroup(), "OFFICE");
    EXPECT_TRUE(browser->IsLocal("jsmith"));
    EXPECT_TRUE(browser->IsLocal("Pc-Local"));
    EXPECT_FALSE(browser->IsLocal("PC1"));
    EXPECT_TRUE(browser->IsDomain("office")) << "the local workgroup is a domain";
    EXPECT_EQ(browser->StatusFigures().size(), 2u) << "no scan yet: no time";
}

} // namespace
} // namespace kivet
