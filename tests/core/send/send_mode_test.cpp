// Send mode of the command line: the same recipients as the sending thread, no window, no
// question and no secure exchange; what cannot be delivered is passed over.
#include <gtest/gtest.h>

#include "messenger/send/send_mode.h"
#include "tests/core/send/send_fixture.h"

namespace kivet {
namespace {

using Strings = std::vector<std::string>;

class SendMode : public test::SendFixture {
protected:
    SendMode()
    {
        AddComputer("PC1", "ALICE");
        AddComputer("PC2", "BOB");
    }
    void Run(std::vector<std::string> recipients, std::string_view text = "hello there")
    {
        SendModeServices services{directory, writer, codec, context, lists};
        RunSendMode(recipients, text, services);
    }
};

TEST_F(SendMode, EachNameInOrderWithTheWholeText)
{
    Run({"PC1", "PC2"});
    EXPECT_EQ(PlainTargets(), (Strings{"PC1", "PC2"}));
    EXPECT_EQ(ReadPlain(PlainWrites()[0]).text, "hello there");
    EXPECT_EQ(ReadPlain(PlainWrites()[1]).recipient, "Pc2");
    EXPECT_TRUE(secure.computers.empty());
    EXPECT_TRUE(prompts.boxes.empty());
}

TEST_F(SendMode, NamesAreUpperCasedAndHeldToFifteenCharacters)
{
    Run({"pc1", "abcdefghijklmnopqrs"});
    EXPECT_EQ(directory.resolveQueries, (Strings{"PC1", "ABCDEFGHIJKLMNO"}));
}

TEST_F(SendMode, ADomainGetsOneDatagram)
{
    Run({"OFFICE"});
    EXPECT_EQ(PlainTargets(), Strings{"OFFICE"});
    EXPECT_TRUE(directory.resolveQueries.empty());
}

TEST_F(SendMode, ANetworkGroupOfTheListGoesToThePrimaryDomain)
{
    lists.networkGroups = {"@SALES"};
    directory.domains = {"DOMAIN1"};
    Run({"@SALES"});
    ASSERT_EQ(GroupWrites().size(), 1u);
    EXPECT_EQ(GroupWrites()[0].target, "*");
    EXPECT_EQ(ReadGroup(GroupWrites()[0]).groupName, "@SALES");
}

TEST_F(SendMode, OnlyTheUsersOwnNetworkGroupsCount)
{
    lists.serverGroups = {"@SALES"};
    Run({"@SALES", "@KIVETFAKEGROUP"});
    EXPECT_TRUE(writer.written.empty());
}

TEST_F(SendMode, AMyGroupsMembersThatAreFoundGetTheMessage)
{
    lists.myGroups["#TEAM"] = {"pc1", "PC9", "BOB"};
    Run({"#TEAM"});
    EXPECT_EQ(PlainTargets(), (Strings{"PC1", "BOB"}));
}

TEST_F(SendMode, UnknownNamesAndGroupsArePassedOverSilently)
{
    Run({"PC9", "#NONE", "PC1"});
    EXPECT_EQ(PlainTargets(), Strings{"PC1"});
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_TRUE(dialog.events.empty());
}

} // namespace
} // namespace kivet
