// A Network Group: the permission test, the 300-symbol limit, the datagrams to domains or
// computers, and the receipts collected for about five seconds.
#include <gtest/gtest.h>

#include "tests/core/send/send_fixture.h"

namespace kivet {
namespace {

using Strings = std::vector<std::string>;
using Rows = std::vector<ResultRow>;

class NetworkGroup : public test::SendFixture {
protected:
    NetworkGroup()
    {
        lists.networkGroups = {"@SALES"};
        directory.domains = {"DOMAIN1", "DOMAIN2"};
    }

    Strings GroupTargets() const
    {
        Strings out;
        for (const test::WrittenDatagram& w : GroupWrites())
            out.push_back(w.target);
        return out;
    }
};

TEST_F(NetworkGroup, BroadcastGoesToEveryKnownDomain)
{
    Send("@Sales", "meeting at ten");
    EXPECT_EQ(GroupTargets(), (Strings{"DOMAIN1", "DOMAIN2"}));
    const GroupFields first = ReadGroup(GroupWrites()[0]);
    EXPECT_EQ(first.kind, kGroupMessage);
    EXPECT_EQ(first.groupName, "@SALES");
    EXPECT_EQ(first.targetName, "DOMAIN1");
    EXPECT_EQ(first.senderComputer, "PC-07");
    EXPECT_EQ(first.senderName, "Jsmith");
    EXPECT_EQ(first.text, "meeting at ten");
}

TEST_F(NetworkGroup, BroadcastWithoutAKnownDomainGoesToThePrimaryDomain)
{
    directory.domains.clear();
    Send("@SALES");
    EXPECT_EQ(GroupTargets(), Strings{"*"});
    EXPECT_EQ(ReadGroup(GroupWrites()[0]).targetName, "*");
}

TEST_F(NetworkGroup, WithoutBroadcastEveryComputerUntilOneCannotBeOpened)
{
    settings.useBroadcast = false;
    directory.computers = {"PC1", "PC2", "PC3"};
    writer.refused = {"PC2"};
    Send("@SALES");
    EXPECT_EQ(GroupTargets(), Strings{"PC1"});
    EXPECT_EQ(directory.retrievals, 0);
}

TEST_F(NetworkGroup, WithoutBroadcastTheComputersAreRetrievedWhenNoneIsKnown)
{
    settings.useBroadcast = false;
    directory.computersOnRetrieval = {"PC4", "PC5"};
    Send("@SALES");
    EXPECT_EQ(directory.retrievals, 1);
    EXPECT_EQ(GroupTargets(), (Strings{"PC4", "PC5"}));
}

TEST_F(NetworkGroup, ReceiptsAreCollectedForFiftyPollsThenTheViewIsRefreshed)
{
    Send("@SALES");
    EXPECT_EQ(receiptPoll.polls, 50);
    EXPECT_EQ(receiptPoll.waits, std::vector<unsigned>(50, 100));
    EXPECT_EQ(receiptPoll.refreshes, 1);
    EXPECT_EQ(events.back(), "results") << "the refresh comes before the results dialog";
    EXPECT_EQ(events[events.size() - 2], "refresh");
}

TEST_F(NetworkGroup, TheResultsListWhoAnswered)
{
    receiptPoll.onPoll = [this](int poll) {
        if (poll == 3) results.Add("ALICE", "PC1");
        if (poll == 7) results.Add("BOB", "PC2");
        return false;
    };
    Send("@Sales");
    ASSERT_EQ(prompts.results.size(), 1u);
    const ResultsView& view = prompts.results[0];
    EXPECT_EQ(view.rows, (Rows{{"Alice", "Pc1"}, {"Bob", "Pc2"}}));
    EXPECT_EQ(view.headline, "The message has been received on 2 computers:");
    EXPECT_EQ(view.footer, "The message to Group @Sales has been successfully sent.");
    EXPECT_EQ(results.Count(), 0u);
}

TEST_F(NetworkGroup, AMessageStoredWhileWaitingIsAnnounced)
{
    settings.playSoundOnReceive = true;
    settings.jumpToLastMsg = true;
    receiptPoll.onPoll = [](int poll) { return poll == 10 || poll == 20; };
    Send("@SALES");
    EXPECT_EQ(receiptPoll.sounds, 2);
    EXPECT_EQ(receiptPoll.jumps, 2);

    settings.playSoundOnReceive = false;
    settings.jumpToLastMsg = false;
    receiptPoll.polls = 0;
    Send("@SALES");
    EXPECT_EQ(receiptPoll.sounds, 2) << "quiet with the settings off";
    EXPECT_EQ(receiptPoll.jumps, 2);
}

TEST_F(NetworkGroup, AGroupTheUserIsNotInIsRefused)
{
    Send("@SECRET");
    EXPECT_TRUE(writer.written.empty());
    EXPECT_EQ(receiptPoll.polls, 0);
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].box.text.rfind("You have no permission to send messages on Network Group @SECRET. ", 0),
              0u);
    EXPECT_EQ(prompts.boxes[0].box.icon, BoxIcon::Stop);
    EXPECT_TRUE(prompts.boxes[0].helpButton);
    EXPECT_TRUE(prompts.results.empty());
}

TEST_F(NetworkGroup, TheRelayServersGroupsGivePermission)
{
    lists.serverGroups = {"@SUPPORT"};
    Send("@support");
    EXPECT_EQ(GroupTargets(), (Strings{"DOMAIN1", "DOMAIN2"}));
    EXPECT_EQ(ReadGroup(GroupWrites()[0]).groupName, "@SUPPORT");
}

TEST_F(NetworkGroup, ThePresenceProbeNeedsNoMembership)
{
    lists.networkGroups.clear();
    receiptPoll.onPoll = [this](int poll) {
        if (poll < 3) results.Add("USER" + std::to_string(poll), "PC" + std::to_string(poll));
        return false;
    };
    Send("@kivetfakegroup");
    EXPECT_EQ(ReadGroup(GroupWrites()[0]).groupName, "@KIVETFAKEGROUP");
    ASSERT_EQ(prompts.results.size(), 1u);
    EXPECT_EQ(prompts.results[0].rows.size(), 3u);
}

TEST_F(NetworkGroup, TextsOver300SymbolsAreRefused)
{
    Send("@Sales", std::string(301, 'x'));
    EXPECT_TRUE(writer.written.empty());
    EXPECT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].box, (BoxSpec{"You cannot send messages to Network Groups more than 300 symbols",
                                             "Sending message", BoxButtons::Ok, BoxIcon::Stop}));
    EXPECT_EQ(receiptPoll.polls, 0);
}

TEST_F(NetworkGroup, ExactlyThreeHundredSymbolsGoWhole)
{
    Send("@Sales", std::string(300, 'x'));
    ASSERT_EQ(GroupWrites().size(), 2u);
    EXPECT_EQ(ReadGroup(GroupWrites()[0]).text, std::string(300, 'x'));
}

TEST_F(NetworkGroup, InAListALongTextSkipsTheGroupWithoutABox)
{
    AddComputer("PC1", "ALICE");
    consent.Set(true);
    Send("@Sales,PC1", std::string(301, 'x'));
    EXPECT_TRUE(GroupWrites().empty());
    EXPECT_TRUE(prompts.boxes.empty());
    ASSERT_EQ(prompts.results.size(), 1u);
    EXPECT_EQ(prompts.results[0].rows, (Rows{{"Alice", "Pc1"}}));
}

TEST_F(NetworkGroup, InAListTheReceiptsJoinTheOtherRows)
{
    AddComputer("PC1", "ALICE");
    consent.Set(true);
    receiptPoll.onPoll = [this](int poll) {
        if (poll == 0) results.Add("CAROL", "PC3");
        return false;
    };
    Send("@SALES,PC1");
    ASSERT_EQ(prompts.results.size(), 1u) << "no results dialog of the group's own";
    EXPECT_EQ(prompts.results[0].rows, (Rows{{"Carol", "Pc3"}, {"Alice", "Pc1"}}));
    EXPECT_EQ(prompts.results[0].footer, "The message to the multiple recipients has been successfully sent.");
}

TEST_F(NetworkGroup, TheHistoryGetsTheGroupMessageOnce)
{
    context.settings.logHistory = true;
    Send("@SALES", "hi all");
    ASSERT_EQ(GroupWrites().size(), 2u);
    EXPECT_EQ(context.outgoing, (std::vector<std::pair<std::string, std::string>>{{"@SALES", "hi all"}}));
}

} // namespace
} // namespace kivet
