#include "messenger/options/list_pages.h"

#include <gtest/gtest.h>

#include "common/fixed_text.h"
#include "messenger/runtime/registry_settings.h"
#include "tests/fakes/table_codec.h"
#include "tests/fakes/memory_registry.h"

namespace kivet {
namespace {

using test::TestCodec;

class ListPages : public ::testing::Test {
protected:
    testing::MemoryRegistry reg;
    PersonalLists lists{reg, TestCodec()};
};

TEST_F(ListPages, EachListPageAddsInItsListsEntryForm)
{
    struct Row {
        OptionsPage page;
        const char* typed;
        const char* entry;
    } rows[] = {
        {OptionsPage::NetworkGroups, "@sales team", "@SALES"},
        {OptionsPage::QuickList, "jsmith  ", "JSMITH"},
        {OptionsPage::IgnoreList, "spam\x03mer", "SPAMMER"},
        {OptionsPage::QuickAnswers, "I'll call you back", "I'll call you back"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.typed);
        NameList* list = PageNameList(r.page, lists);
        ASSERT_NE(list, nullptr);
        EXPECT_TRUE(AddTypedName(*list, PageEntryForm(r.page), r.typed, TestCodec()));
        EXPECT_EQ(list->Entries(), std::vector<std::string>{r.entry});
    }
}

TEST_F(ListPages, ANameAlreadyListedIsNotAddedAgain)
{
    EXPECT_TRUE(AddTypedName(lists.quick, ListKind::QuickList, "alice", TestCodec()));
    EXPECT_FALSE(AddTypedName(lists.quick, ListKind::QuickList, "ALICE ", TestCodec()));
    EXPECT_EQ(lists.quick.Count(), 1u);
}

TEST_F(ListPages, ANameThatIsEmptyInItsFormIsNotAdded)
{
    EXPECT_FALSE(AddTypedName(lists.networkGroups, ListKind::NetworkGroups, " leading blank", TestCodec()));
    EXPECT_FALSE(AddTypedName(lists.quick, ListKind::QuickList, "   ", TestCodec()));
    EXPECT_EQ(lists.networkGroups.Count(), 0u);
    EXPECT_EQ(lists.quick.Count(), 0u);
}

TEST_F(ListPages, MyGroupsAndTheirMembersTakeTheirOwnForms)
{
    EXPECT_TRUE(AddTypedGroup(lists.myGroups, "friends of mine", TestCodec()));
    ASSERT_TRUE(lists.myGroups.IsMyGroup("FRIENDS"));
    EXPECT_TRUE(AddTypedMember(lists.myGroups, "FRIENDS", "bob  ", TestCodec()));
    EXPECT_FALSE(AddTypedMember(lists.myGroups, "FRIENDS", "BOB", TestCodec()));
    EXPECT_FALSE(AddTypedMember(lists.myGroups, "NOSUCHGROUP", "BOB", TestCodec()));
    const MyGroup* group = lists.myGroups.Find("FRIENDS");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->members, std::vector<std::string>{"BOB"});
}

TEST_F(ListPages, AutoRepliesAreCreatedAndReplacedButNeverOverwritten)
{
    EXPECT_TRUE(SaveAutoReply(lists.autoReplies, std::nullopt, "Lunch", "Back at two."));
    EXPECT_TRUE(SaveAutoReply(lists.autoReplies, std::nullopt, "Meeting", "In a meeting."));
    EXPECT_FALSE(SaveAutoReply(lists.autoReplies, std::nullopt, "lunch", "Another lunch.")) << "taken";
    EXPECT_FALSE(SaveAutoReply(lists.autoReplies, std::nullopt, "", "No description."));
    EXPECT_FALSE(SaveAutoReply(lists.autoReplies, std::string("Lunch"), "Meeting", "Renamed onto another"));
    EXPECT_TRUE(SaveAutoReply(lists.autoReplies, std::string("Lunch"), "Lunch break", "Back at half past two."));
    ASSERT_EQ(lists.autoReplies.Records().size(), 2u);
    const AutoReply* edited = lists.autoReplies.Find("Lunch break");
    ASSERT_NE(edited, nullptr);
    EXPECT_EQ(std::string(FieldText(edited->message)), "Back at half past two.");
    EXPECT_EQ(lists.autoReplies.Find("Lunch"), nullptr);
    EXPECT_EQ(std::string(FieldText(lists.autoReplies.Find("Meeting")->message)), "In a meeting.");
}

TEST(SelectionAfterDelete, KeepsThePlaceOrTakesTheNewLastEntry)
{
    EXPECT_EQ(SelectionAfterDelete(0, 0), -1);
    EXPECT_EQ(SelectionAfterDelete(2, 5), 2);
    EXPECT_EQ(SelectionAfterDelete(4, 4), 3);
    EXPECT_EQ(SelectionAfterDelete(0, 3), 0);
}

} // namespace
} // namespace kivet
