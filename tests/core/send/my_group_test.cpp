// A My Group: every member in list order, each outcome a row of the group's results.
#include <gtest/gtest.h>

#include "tests/core/send/send_fixture.h"

namespace kivet {
namespace {

using Strings = std::vector<std::string>;
using Rows = std::vector<ResultRow>;

class MyGroupSend : public test::SendFixture {
protected:
    MyGroupSend()
    {
        AddComputer("PC1", "ALICE");
        AddComputer("PC2", "BOB");
        consent.Set(true);
        lists.networkGroups = {"@SALES"};
    }
};

TEST_F(MyGroupSend, AMissingGroupIsReportedInItsOwnBox)
{
    Send("#Friends");
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].box.text.rfind("You cannot send message to My Group #Friends. You must specify", 0), 0u);
    EXPECT_EQ(prompts.boxes[0].box.icon, BoxIcon::Stop);
    EXPECT_TRUE(prompts.boxes[0].helpButton);
    EXPECT_TRUE(prompts.results.empty());
    EXPECT_TRUE(writer.written.empty());
}

TEST_F(MyGroupSend, AMissingGroupInAListIsAnInvalidNameRow)
{
    Send("#Friends,PC1");
    EXPECT_TRUE(prompts.boxes.empty());
    ASSERT_EQ(prompts.results.size(), 1u);
    EXPECT_EQ(prompts.results[0].rows, (Rows{{"#friends", "The specified name does not exist in My Groups list"},
                                             {"Alice", "Pc1"}}));
}

TEST_F(MyGroupSend, EveryMemberIsARowOfOneResultsDialog)
{
    lists.myGroups["#FRIENDS"] = {"PC1", "jsmith", "@SALES", "@SECRET", "PC9", "BOB"};
    receiptPoll.onPoll = [this](int poll) {
        if (poll == 0) results.Add("CAROL", "PC3");
        return false;
    };
    Send("#FRIENDS");
    EXPECT_TRUE(prompts.boxes.empty()) << "members are reported in the results only";
    EXPECT_EQ(PlainTargets(), (Strings{"PC1", "PC-07", "BOB"}));
    ASSERT_EQ(GroupWrites().size(), 1u);
    EXPECT_EQ(GroupWrites()[0].target, "*");
    ASSERT_EQ(prompts.results.size(), 1u) << "the member group shows no results of its own";
    const ResultsView& view = prompts.results[0];
    EXPECT_EQ(view.rows, (Rows{
                             {"Alice", "Pc1"},
                             {"Jsmith", "Pc-07"},
                             {"Carol", "Pc3"},
                             {"@secret", "You have no permission to send"},
                             {"Pc9", "The name was not found"},
                             {"Bob", "Pc2"},
                         }));
    EXPECT_EQ(view.footer, "The message to Group #FRIENDS has been successfully sent.");
}

TEST_F(MyGroupSend, MembersAreHeldToFifteenCharacters)
{
    AddComputer("ABCDEFGHIJKLMNO", "CAROL");
    lists.myGroups["#TEAM"] = {"ABCDEFGHIJKLMNOPQRS"};
    Send("#TEAM");
    EXPECT_EQ(directory.resolveQueries, Strings{"ABCDEFGHIJKLMNO"});
}

TEST_F(MyGroupSend, AMemberGroupObeysTheSymbolLimit)
{
    lists.myGroups["#TEAM"] = {"@SALES", "PC1"};
    Send("#TEAM", std::string(301, 'x'));
    EXPECT_TRUE(GroupWrites().empty()) << "a group datagram would cut the text";
    EXPECT_EQ(PlainTargets(), (Strings{"PC1", "PC1"})) << "the plain message goes in two pieces";
}

TEST_F(MyGroupSend, InAListTheMembersJoinTheListsResults)
{
    lists.myGroups["#TEAM"] = {"PC1"};
    Send("#TEAM,PC2");
    ASSERT_EQ(prompts.results.size(), 1u);
    EXPECT_EQ(prompts.results[0].rows, (Rows{{"Alice", "Pc1"}, {"Bob", "Pc2"}}));
    EXPECT_EQ(prompts.results[0].footer, "The message to the multiple recipients has been successfully sent.");
}

} // namespace
} // namespace kivet
