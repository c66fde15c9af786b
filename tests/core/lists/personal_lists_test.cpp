#include "messenger/lists/personal_lists.h"

#include <gtest/gtest.h>

#include "tests/core/lists/list_fakes.h"
#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

using test::ListRegistry;
using test::Under;

TEST(PersonalListsStartup, CreatesTheSubkeysAndLoadsEveryList)
{
    ListRegistry reg;
    reg.Put(Under("IgnoreList"), "SPAMMER");
    reg.Put(Under("NetworkGroups"), "SALES");
    reg.Put(Under("Answers"), "On my way");
    reg.Put(Under("QuickList"), "JSMITH");
    reg.Put(Under("MyGroups\\TEAM"), "PC-07");
    reg.Put(Under("AutoReplies"), "Lunch", "At lunch");
    PersonalLists lists(reg, test::TestCodec());
    lists.LoadAtStartup();
    EXPECT_TRUE(lists.ignore.Contains("Spammer"));
    EXPECT_TRUE(lists.networkGroups.Contains("SALES"));
    EXPECT_TRUE(lists.answers.Contains("On my way"));
    EXPECT_TRUE(lists.quick.Contains("JSMITH"));
    ASSERT_NE(lists.myGroups.Find("TEAM"), nullptr);
    EXPECT_EQ(lists.myGroups.Find("TEAM")->members, std::vector<std::string>{"PC-07"});
    ASSERT_EQ(lists.autoReplies.Records().size(), 1u);
    EXPECT_EQ(reg.Names(Under("QuickList")), std::vector<std::string>{"JSMITH"}) << "nothing lost by the start";
}

TEST(PersonalListsStartup, EmptyRegistryGetsTheSimpleListsSubkeys)
{
    ListRegistry reg;
    PersonalLists lists(reg, test::TestCodec());
    lists.LoadAtStartup();
    for (const char* sub : {"QuickList", "IgnoreList", "NetworkGroups", "Answers"})
        EXPECT_TRUE(reg.HasKey(Under(sub))) << sub;
}

TEST(PersonalListsStartup, ListsAreSeparate)
{
    ListRegistry reg;
    PersonalLists lists(reg, test::TestCodec());
    lists.LoadAtStartup();
    ASSERT_TRUE(lists.ignore.Add("JSMITH"));
    EXPECT_FALSE(lists.quick.Contains("JSMITH"));
    EXPECT_TRUE(lists.quick.Add("JSMITH"));
    EXPECT_EQ(reg.Names(Under("IgnoreList")), std::vector<std::string>{"JSMITH"});
    EXPECT_EQ(reg.Names(Under("QuickList")), std::vector<std::string>{"JSMITH"});
}

} // namespace
} // namespace kivet
