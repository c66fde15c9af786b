// Names typed by the user or reported by the network never reach a mailslot path unless they are
// plain NetBIOS names.
#include <gtest/gtest.h>

#include "messenger/transport/mailslot_target.h"
#include "messenger/send/send_mode.h"
#include "tests/core/send/send_fixture.h"

namespace kivet {
namespace {

using Strings = std::vector<std::string>;

class HostileTargets : public test::SendFixture {
protected:
    HostileTargets()
    {
        consent.Set(true);
        secure.otherwise = SecureResult::NoSecureMessenger;
        lists.networkGroups = {"@SALES"};
    }

    // No datagram was written to a name that is not a valid target.
    void ExpectOnlyValidTargets() const
    {
        for (const test::WrittenDatagram& w : writer.written) {
            SCOPED_TRACE(w.target);
            EXPECT_TRUE(IsMailslotTarget(w.target, Broadcast::Allowed));
        }
    }
};

TEST_F(HostileTargets, TypedPathsAreNotFoundAndNeverAskedFor)
{
    for (const char* entry : {"PC1\\IPC$", "..\\..\\X", "A/B", "C:", "A?", "A<B>", "..", "\x1B"}) {
        SCOPED_TRACE(entry);
        directory.resolvable[entry] = test::Record("ALICE", "PC1");
        prompts.boxes.clear();
        Send(entry);
        ASSERT_EQ(prompts.boxes.size(), 1u);
        EXPECT_EQ(prompts.boxes[0].box.icon, BoxIcon::Stop);
    }
    EXPECT_TRUE(directory.resolveQueries.empty());
    EXPECT_TRUE(writer.written.empty());
}

TEST_F(HostileTargets, ATypedPathIsNotOfferedToTheRelayServer)
{
    settings.useServer = true;
    settings.serverName = "RELAY1";
    prompts.answers = {BoxAnswer::Yes};
    Send("..\\PIPE");
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].box.buttons, BoxButtons::Ok);
    EXPECT_TRUE(writer.written.empty());
}

TEST_F(HostileTargets, AComputerNameFromTheNetworkIsChecked)
{
    directory.resolvable["PC1"] = test::Record("ALICE", "..\\PIPE\\X");
    directory.resolvable["10.0.0.1"] = test::Record("ALICE", "EVIL/NAME");
    Send("PC1,10.0.0.1");
    EXPECT_TRUE(writer.written.empty());
    EXPECT_TRUE(secure.computers.empty());
    ASSERT_EQ(prompts.results.size(), 1u);
    EXPECT_EQ(prompts.results[0].rows.size(), 2u);
}

TEST_F(HostileTargets, GroupBroadcastPassesOverBadDomains)
{
    directory.domains = {"..\\X", "GOOD", "A*B"};
    Send("@SALES");
    ExpectOnlyValidTargets();
    ASSERT_EQ(GroupWrites().size(), 1u);
    EXPECT_EQ(GroupWrites()[0].target, "GOOD");
}

TEST_F(HostileTargets, OnlyBadDomainsMeanThePrimaryDomain)
{
    directory.domains = {"\\\\SERVER", "A|B"};
    Send("@SALES");
    ASSERT_EQ(GroupWrites().size(), 1u);
    EXPECT_EQ(GroupWrites()[0].target, "*");
}

TEST_F(HostileTargets, BadComputerNamesArePassedOverNotStoppedAt)
{
    settings.useBroadcast = false;
    directory.computers = {"A\\B", "PC1", std::string(40, 'C'), "PC2"};
    Send("@SALES");
    ExpectOnlyValidTargets();
    EXPECT_EQ(GroupWrites().size(), 2u);
}

TEST_F(HostileTargets, ABadRelayServerNameStoresNothing)
{
    settings.useServer = true;
    settings.serverName = "SRV\\PIPE";
    prompts.answers = {BoxAnswer::Yes};
    Send("PC9");
    EXPECT_TRUE(writer.written.empty());
}

TEST_F(HostileTargets, ALocalComputerNameThatIsNoTargetIsNotWrittenTo)
{
    directory.computer = "PC\\07";
    Send("pc\\07");
    EXPECT_TRUE(writer.written.empty());
}

TEST_F(HostileTargets, SendModeChecksToo)
{
    directory.domains = {"A\\B"};
    directory.resolvable["PC1"] = test::Record("ALICE", "..");
    lists.myGroups["#T"] = {"X\\Y"};
    directory.resolvable["X\\Y"] = test::Record("BOB", "PC2");
    SendModeServices services{directory, writer, codec, context, lists};
    RunSendMode({"A\\B", "PC1", "#T", "*"}, "hi", services);
    EXPECT_TRUE(writer.written.empty());
}

} // namespace
} // namespace kivet
