// The secure way first; when it fails, a single recipient is asked before the message goes out
// plain.
#include <gtest/gtest.h>

#include "tests/core/send/send_fixture.h"

namespace kivet {
namespace {

using Strings = std::vector<std::string>;

class SecureFallback : public test::SendFixture {
protected:
    SecureFallback()
    {
        AddComputer("PC1", "ALICE");
        AddComputer("PC2", "BOB");
    }
};

TEST_F(SecureFallback, AFailedExchangeAsksAndYesSendsPlain)
{
    secure.otherwise = SecureResult::Failed;
    prompts.answers = {BoxAnswer::Yes};
    Send("PC1");
    ASSERT_EQ(prompts.boxes.size(), 2u);
    EXPECT_EQ(prompts.boxes[0].box,
              (BoxSpec{"Error occured while sending secure message.\nDo you wish to send non secure message?",
                       "Sending message", BoxButtons::YesNo, BoxIcon::Exclamation}));
    EXPECT_EQ(PlainTargets(), Strings{"PC1"});
    EXPECT_EQ(prompts.boxes[1].box.icon, BoxIcon::Information);
}

TEST_F(SecureFallback, NoAfterAFailedExchangeEndsTheWholeSend)
{
    secure.otherwise = SecureResult::Failed;
    lists.myGroups["#TEAM"] = {"PC1", "PC2"};
    prompts.answers = {BoxAnswer::No};
    Send("#TEAM");
    EXPECT_EQ(secure.computers, Strings{"PC1"}) << "the second member is not tried";
    EXPECT_TRUE(writer.written.empty());
    EXPECT_TRUE(prompts.results.empty());
    EXPECT_EQ(dialog.events, (Strings{"ready", "status bar"}));
    EXPECT_EQ(log.lines, Strings{"Sending message complete."});
}

TEST_F(SecureFallback, NoSecureMessengerAsksTheNonSecureQuestion)
{
    prompts.nonSecureChoices = {{true, false}};
    Send("PC1");
    EXPECT_EQ(prompts.nonSecureQuestions, 1);
    EXPECT_EQ(PlainTargets(), Strings{"PC1"});
    EXPECT_FALSE(consent.Given());
}

TEST_F(SecureFallback, AnythingButYesPassesOverTheRecipient)
{
    prompts.nonSecureChoices = {{false, true}};
    Send("PC1");
    EXPECT_TRUE(writer.written.empty());
    EXPECT_TRUE(prompts.boxes.empty()) << "no success message for a message not sent";
    EXPECT_FALSE(consent.Given()) << "the check box counts only with Yes";
}

TEST_F(SecureFallback, DoNotShowAgainHoldsForLaterSends)
{
    prompts.nonSecureChoices = {{true, true}};
    Send("PC1");
    Send("PC2");
    EXPECT_EQ(prompts.nonSecureQuestions, 1);
    EXPECT_EQ(PlainTargets(), (Strings{"PC1", "PC2"}));
    EXPECT_TRUE(consent.Given());
}

TEST_F(SecureFallback, WithoutTheTickTheQuestionComesBack)
{
    prompts.nonSecureChoices = {{true, false}, {true, false}};
    Send("PC1");
    Send("PC2");
    EXPECT_EQ(prompts.nonSecureQuestions, 2);
}

TEST_F(SecureFallback, TheQuestionIsAskedForEveryMemberOfASingleMyGroup)
{
    lists.myGroups["#TEAM"] = {"PC1", "PC2"};
    prompts.nonSecureChoices = {{false, false}, {true, false}};
    Send("#TEAM");
    EXPECT_EQ(prompts.nonSecureQuestions, 2);
    EXPECT_EQ(PlainTargets(), Strings{"PC2"});
    ASSERT_EQ(prompts.results.size(), 1u);
    EXPECT_EQ(prompts.results[0].rows, (std::vector<ResultRow>{{"Bob", "Pc2"}}));
}

} // namespace
} // namespace kivet
