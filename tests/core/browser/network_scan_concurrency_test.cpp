// Readers on other threads during scans: the tables and the local identity are only ever seen
// whole, never half filled. Also run under ThreadSanitizer.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "common/fixed_text.h"
#include "tests/core/browser/browser_fixture.h"

namespace kivet {
namespace {

class ScanConcurrencyTest : public test::BrowserFixture {};

TEST_F(ScanConcurrencyTest, ReadersNeverSeeAHalfFilledTable)
{
    AddComputers(25);
    lan->AddComputer("PC3", test::Workstation("PC3", "JSMITH", "OFFICE", 13));
    hosts->names = {{"192.168.1.13", "pc3"}};
    auto browser = Start();
    browser->SetScanObserver(observer);

    std::atomic<bool> done{false};
    std::atomic<int> fullSeen{0};
    auto reader = [&] {
        while (!done.load()) {
            const std::vector<std::string> computers = browser->KnownComputers();
            EXPECT_TRUE(computers.empty() || computers.size() == 25u) << computers.size();
            const auto tables = browser->Tables();
            const bool empty = tables->computers.empty() && tables->users.empty();
            const bool whole = tables->computers.size() == 25u && tables->users.size() == 1u &&
                               tables->computers[3].state == kScanOnline;
            EXPECT_TRUE(empty || whole);
            fullSeen += whole;
            const NetworkState identity = browser->Identity();
            EXPECT_EQ(FieldText(identity.userName), "JSMITH") << "the rescan must not show cleared names";
            EXPECT_EQ(FieldText(identity.workgroupName), "OFFICE");
            std::string computer;
            if (browser->FindScanned("JSMITH", computer)) {
                EXPECT_EQ(computer, "PC3");
            }
        }
    };
    auto resolver = [&] {
        while (!done.load()) {
            ResolutionRecord record;
            EXPECT_TRUE(browser->ResolveName("PC3", ResolveService::Messenger, record));
        }
    };
    std::thread readers[] = {std::thread(reader), std::thread(reader), std::thread(resolver)};
    for (int scan = 0; scan < 5; ++scan)
        Scan(*browser, {"JSMITH"});
    done.store(true);
    for (std::thread& thread : readers)
        thread.join();
    EXPECT_GT(fullSeen.load(), 0);
    EXPECT_EQ(browser->Tables()->users.size(), 1u);
}

TEST_F(ScanConcurrencyTest, ObserverChangesWhileWorkersReport)
{
    AddComputers(60);
    auto browser = Start();
    std::atomic<bool> done{false};
    std::thread swapper([&] {
        while (!done.load()) {
            browser->SetScanObserver(std::make_shared<test::RecordingObserver>());
            browser->SetScanObserver(nullptr); // the send dialog closes
        }
    });
    for (int scan = 0; scan < 3; ++scan)
        Scan(*browser);
    done.store(true);
    swapper.join();
    EXPECT_EQ(browser->KnownComputers().size(), 60u);
}

} // namespace
} // namespace kivet
