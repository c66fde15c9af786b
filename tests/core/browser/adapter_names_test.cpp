// The away name on the adapters: added and deleted in order, on a thread of its own, and nothing
// once the browser is gone.
#include "messenger/browser/adapter_names.h"

#include <gtest/gtest.h>

#include "tests/core/browser/browser_fixture.h"

namespace kivet {
namespace {

class AdapterNamesTest : public test::BrowserFixture {};

const NetBiosName kAway = MakeNetBiosName("AUTOANSWERMODE", kSuffixAutoReply);

TEST_F(AdapterNamesTest, ChangesRunInOrderAwayFromTheAskingThread)
{
    std::unique_ptr<NetworkBrowser> browser = Start();
    AdapterNames names(browser);
    lan->HoldQueries(); // only remote adapter status waits; names are not held
    names.AddName(kAway);
    names.DeleteName(kAway);
    names.AddName(kAway);
    names.Flush();
    lan->ReleaseQueries();

    std::vector<std::string> order;
    for (const auto& call : lan->Calls()) {
        if (call.text != "AUTOANSWERMODE") continue;
        order.push_back(call.command);
        EXPECT_NE(call.thread, std::this_thread::get_id()) << "the window's thread does not wait for the network";
        EXPECT_EQ(call.suffix, kSuffixAutoReply);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"addgroup", "delete", "addgroup"}));
    EXPECT_TRUE(lan->Holds(0, "AUTOANSWERMODE", kSuffixAutoReply));
}

TEST_F(AdapterNamesTest, WithoutTheBrowserNothingIsSent)
{
    std::unique_ptr<NetworkBrowser> browser = Start();
    AdapterNames names(browser);
    browser.reset();
    names.AddName(kAway);
    names.Flush();
    for (const auto& call : lan->Calls())
        EXPECT_NE(call.text, "AUTOANSWERMODE");
}

} // namespace
} // namespace kivet
