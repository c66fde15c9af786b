// A list with a comma: no message box per recipient, every outcome a row of one results dialog.
#include <gtest/gtest.h>

#include "tests/core/send/send_fixture.h"

namespace kivet {
namespace {

using Strings = std::vector<std::string>;
using Rows = std::vector<ResultRow>;

class MultiRecipient : public test::SendFixture {
protected:
    MultiRecipient()
    {
        AddComputer("PC1", "ALICE");
        AddComputer("PC2", "BOB");
        secure.otherwise = SecureResult::NoSecureMessenger;
    }
};

TEST_F(MultiRecipient, TwoComputersGiveOneResultsDialogWithTwoRows)
{
    EXPECT_EQ(Send("PC1,PC2"), 0);
    EXPECT_EQ(PlainTargets(), (Strings{"PC1", "PC2"}));
    EXPECT_TRUE(prompts.boxes.empty());
    ASSERT_EQ(prompts.results.size(), 1u);
    const ResultsView& view = prompts.results[0];
    EXPECT_EQ(view.rows, (Rows{{"Alice", "Pc1"}, {"Bob", "Pc2"}}));
    EXPECT_EQ(view.headline, "The message has been received on 2 computers:");
    EXPECT_EQ(view.footer, "The message to the multiple recipients has been successfully sent.");
    EXPECT_EQ(view.caption, "Sending message");
    EXPECT_EQ(results.Count(), 0u) << "the table is emptied once shown";
}

TEST_F(MultiRecipient, TheFallbackIsNeverAskedFor)
{
    secure.results["PC1"] = SecureResult::Failed;
    Send("PC1,PC2");
    EXPECT_EQ(prompts.nonSecureQuestions, 0);
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_EQ(PlainTargets(), (Strings{"PC1", "PC2"}));
    EXPECT_FALSE(consent.Given());
}

TEST_F(MultiRecipient, ADomainInAListIsSentAndAddsNoRow)
{
    directory.domains = {"DOMAIN1"};
    EXPECT_EQ(Send("DOMAIN1,PC1"), 0);
    EXPECT_EQ(PlainTargets(), (Strings{"DOMAIN1", "PC1"}));
    ASSERT_EQ(prompts.results.size(), 1u);
    EXPECT_EQ(prompts.results[0].rows, (Rows{{"Alice", "Pc1"}}));
    EXPECT_EQ(dialog.events, (Strings{"ready", "status bar"}));
}

TEST_F(MultiRecipient, EveryFailureIsARowWithItsReason)
{
    Send("PC9,#NOPE,@SECRET,PC1");
    ASSERT_EQ(prompts.results.size(), 1u);
    EXPECT_EQ(prompts.results[0].rows, (Rows{
                                           {"Pc9", "The name was not found"},
                                           {"#nope", "The specified name does not exist in My Groups list"},
                                           {"@secret", "You have no permission to send"},
                                           {"Alice", "Pc1"},
                                       }));
    EXPECT_TRUE(prompts.boxes.empty());
}

TEST_F(MultiRecipient, AnAbsentNameIsNotOfferedToTheRelayServer)
{
    settings.useServer = true;
    settings.serverName = "RELAY1";
    Send("PC9,PC1");
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_EQ(PlainTargets(), Strings{"PC1"});
}

TEST_F(MultiRecipient, ALocalNameIsARowOfTheLocalUserAndComputer)
{
    Send("pc-07,PC1");
    ASSERT_EQ(prompts.results.size(), 1u);
    EXPECT_EQ(prompts.results[0].rows, (Rows{{"Jsmith", "Pc-07"}, {"Alice", "Pc1"}}));
}

TEST_F(MultiRecipient, ResultsOfAnEarlierSendAreNotShownAgain)
{
    results.Add("STALE", "PC5");
    Send("PC1,");
    ASSERT_EQ(prompts.results.size(), 1u);
    EXPECT_EQ(prompts.results[0].rows, (Rows{{"Alice", "Pc1"}}));
}

TEST_F(MultiRecipient, LongEntriesAreCutToFifteenCharacters)
{
    AddComputer("ABCDEFGHIJKLMNO", "CAROL");
    Send("ABCDEFGHIJKLMNOPQRSTUVWXYZ,PC1");
    EXPECT_EQ(directory.resolveQueries.front(), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(PlainTargets(), (Strings{"ABCDEFGHIJKLMNO", "PC1"}));
}

TEST_F(MultiRecipient, EveryDeliveredEntryGoesToTheQuickList)
{
    settings.addUser = true;
    directory.resolvable["pc1"] = test::Record("ALICE", "PC1");
    directory.resolvable["pc2"] = test::Record("BOB", "PC2");
    Send("pc1,pc9,pc2");
    EXPECT_EQ(lists.quickList, (Strings{"PC1", "PC2"}));
}

} // namespace
} // namespace kivet
