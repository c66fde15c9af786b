#include "messenger/lists/my_groups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "tests/core/lists/list_fakes.h"
#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

using test::ListRegistry;
using test::TestCodec;
using test::Under;

const std::string kGroups = Under("MyGroups");

std::string Group(const std::string& name)
{
    return kGroups + "\\" + name;
}

class MyGroupsEdit : public ::testing::Test {
protected:
    ListRegistry reg;
    MyGroups groups{reg, TestCodec()};
};

TEST_F(MyGroupsEdit, CreateAddMemberDeleteMemberDeleteGroup)
{
    groups.Load();
    EXPECT_TRUE(groups.Groups().empty()) << "no MyGroups key: no groups";

    ASSERT_TRUE(groups.CreateMyGroup("OFFICE"));
    EXPECT_TRUE(reg.HasKey(Group("OFFICE")));
    EXPECT_TRUE(groups.IsMyGroup("office"));
    EXPECT_FALSE(groups.CreateMyGroup("Office")) << "one group per name, whatever the case";

    EXPECT_TRUE(groups.AddMember("office", "JSMITH"));
    EXPECT_TRUE(groups.AddMember("OFFICE", "PC-07"));
    EXPECT_FALSE(groups.AddMember("OFFICE", "jsmith"));
    EXPECT_FALSE(groups.AddMember("NOSUCH", "JSMITH"));
    const MyGroup* office = groups.Find("OFFICE");
    ASSERT_NE(office, nullptr);
    EXPECT_EQ(office->members, (std::vector<std::string>{"JSMITH", "PC-07"}));
    EXPECT_EQ(reg.Data(Group("OFFICE"), "PC-07"), "");

    EXPECT_TRUE(groups.DeleteMember("OFFICE", "Jsmith"));
    EXPECT_FALSE(groups.DeleteMember("OFFICE", "JSMITH"));
    EXPECT_EQ(reg.Names(Group("OFFICE")), std::vector<std::string>{"PC-07"});
    EXPECT_EQ(groups.Find("OFFICE")->members, std::vector<std::string>{"PC-07"});

    EXPECT_TRUE(groups.DeleteMyGroup("Office")) << "a group's key holding members is deleted";
    EXPECT_FALSE(reg.HasKey(Group("OFFICE")));
    EXPECT_FALSE(groups.IsMyGroup("OFFICE"));
    EXPECT_EQ(groups.Find("OFFICE"), nullptr);
    EXPECT_FALSE(groups.DeleteMyGroup("OFFICE"));
}

TEST_F(MyGroupsEdit, GroupNamesAreBoundedAndNameNoDeeperKey)
{
    EXPECT_FALSE(groups.CreateMyGroup(""));
    EXPECT_FALSE(groups.CreateMyGroup(std::string(20, 'G')));
    EXPECT_FALSE(groups.CreateMyGroup("A\\B")) << "a backslash would make nested keys";
    EXPECT_FALSE(reg.HasKey(Group("A")));
    EXPECT_TRUE(groups.CreateMyGroup(std::string(19, 'G')));
    for (int i = 1; i < 50; ++i)
        ASSERT_TRUE(groups.CreateMyGroup("G" + std::to_string(i))) << i;
    EXPECT_FALSE(groups.CreateMyGroup("FIFTYFIRST"));
    EXPECT_EQ(reg.Subkeys(kGroups).size(), 50u);
}

TEST_F(MyGroupsEdit, MemberNamesAreBounded)
{
    ASSERT_TRUE(groups.CreateMyGroup("TEAM"));
    EXPECT_FALSE(groups.AddMember("TEAM", ""));
    EXPECT_FALSE(groups.AddMember("TEAM", std::string(20, 'm')));
    EXPECT_TRUE(groups.AddMember("TEAM", std::string(19, 'm')));
    EXPECT_TRUE(reg.Names(Group("TEAM")).size() == 1u);
}

TEST_F(MyGroupsEdit, RefusedWritesAreReportedAndChangeNothing)
{
    ASSERT_TRUE(groups.CreateMyGroup("TEAM"));
    ASSERT_TRUE(groups.AddMember("TEAM", "BOB"));
    reg.refuseWrites = true;
    EXPECT_FALSE(groups.CreateMyGroup("OTHER"));
    EXPECT_FALSE(groups.AddMember("TEAM", "CAROL"));
    EXPECT_FALSE(groups.DeleteMember("TEAM", "BOB"));
    EXPECT_FALSE(groups.DeleteMyGroup("TEAM"));
    ASSERT_TRUE(groups.IsMyGroup("TEAM"));
    EXPECT_EQ(groups.Find("TEAM")->members, std::vector<std::string>{"BOB"});
}

TEST_F(MyGroupsEdit, GroupWithASubkeyOfItsOwnIsNotReportedDeleted)
{
    reg.PutKey(Group("TEAM") + "\\Stray");
    groups.Load();
    ASSERT_TRUE(groups.IsMyGroup("TEAM"));
    EXPECT_FALSE(groups.DeleteMyGroup("TEAM"));
    EXPECT_TRUE(groups.IsMyGroup("TEAM"));
    EXPECT_TRUE(reg.HasKey(Group("TEAM") + "\\Stray"));
}

class MyGroupsLoad : public ::testing::Test {
protected:
    ListRegistry reg;
    MyGroups groups{reg, TestCodec()};
};

TEST_F(MyGroupsLoad, RegistryOrderBoundsAndHostileNames)
{
    reg.reverseOrder = true;
    for (int i = 0; i < 55; ++i)
        reg.PutKey(Group("G" + std::to_string(100 + i)));
    reg.PutKey(Group(std::string(20, 'Z'))); // too long for a group name: passed over
    reg.Put(Group("G154"), "OK-MEMBER");
    reg.Put(Group("G154"), std::string(20, 'x'));
    reg.Put(Group("G154"), "");
    reg.Put(Group("G154"), std::string("\xFF\x01", 2));
    groups.Load();
    ASSERT_EQ(groups.Groups().size(), kMyGroupCapacity);
    EXPECT_EQ(groups.Groups().front().name, "G154");
    EXPECT_EQ(groups.Groups().back().name, "G105");
    EXPECT_FALSE(groups.IsMyGroup("G104"));
    std::vector<std::string> members = groups.Groups().front().members;
    std::sort(members.begin(), members.end());
    EXPECT_EQ(members, (std::vector<std::string>{"OK-MEMBER", std::string("\xFF\x01", 2)}));
    EXPECT_EQ(reg.writes, 0);
    EXPECT_EQ(reg.Subkeys(kGroups).size(), 56u);
    EXPECT_EQ(reg.Names(Group("G154")).size(), 4u);
}

TEST_F(MyGroupsLoad, MembersShareOneFiveThousandByteStore)
{
    // 16 characters and a terminator: 294 members fill 4998 bytes of the store.
    const int kFitting = static_cast<int>(kMyGroupMemberBytes / 17);
    for (int i = 0; i < kFitting + 40; ++i) {
        char member[17];
        std::snprintf(member, sizeof member, "MEMBER%010d", i);
        reg.Put(Group(i < 200 ? "A-FIRST" : "B-SECOND"), member);
    }
    reg.PutKey(Group("C-THIRD"));
    reg.Put(Group("C-THIRD"), "X"); // would still fit, but loading has stopped
    groups.Load();
    ASSERT_EQ(groups.Groups().size(), 3u) << "groups are listed even when their members are not";
    EXPECT_EQ(groups.Groups()[0].members.size(), 200u);
    EXPECT_EQ(groups.Groups()[1].members.size(), static_cast<std::size_t>(kFitting - 200));
    EXPECT_TRUE(groups.Groups()[2].members.empty());
    EXPECT_TRUE(groups.MembersCut());
    EXPECT_LE(groups.MemberBytes(), kMyGroupMemberBytes);
    EXPECT_EQ(reg.Names(Group("B-SECOND")).size(), static_cast<std::size_t>(kFitting + 40 - 200))
        << "members beyond the store stay in the registry";

    EXPECT_FALSE(groups.AddMember("C-THIRD", "Y")) << "a member that could not be read back is refused";
    EXPECT_EQ(reg.Names(Group("C-THIRD")).size(), 1u);
}

TEST_F(MyGroupsLoad, AddMemberStopsAtTheEndOfTheStore)
{
    // 249 members of 19 characters and one of 4: 4985 bytes, 15 left.
    for (int i = 0; i < 249; ++i) {
        char member[20];
        std::snprintf(member, sizeof member, "M%018d", i);
        reg.Put(Group("BIG"), member);
    }
    reg.Put(Group("BIG"), "LAST");
    groups.Load();
    ASSERT_FALSE(groups.MembersCut());
    ASSERT_EQ(groups.MemberBytes(), 4985u);
    EXPECT_FALSE(groups.AddMember("BIG", std::string(15, 'q')));
    EXPECT_EQ(reg.Names(Group("BIG")).size(), 250u);
    EXPECT_TRUE(groups.AddMember("BIG", std::string(14, 'q')));
    EXPECT_EQ(groups.MemberBytes(), kMyGroupMemberBytes);
}

TEST(RegistryDoubleSubkeys, ListsDirectSubkeysOnly)
{
    kivet::testing::MemoryRegistry reg;
    const RegRoot user = RegRoot::CurrentUser;
    EXPECT_TRUE(reg.SubkeyNames(user, "Software\\None").empty());
    reg.CreateKey(user, "Software\\K\\b");
    reg.CreateKey(user, "Software\\K\\A\\deep");
    reg.CreateKey(user, "Software\\K2\\other");
    reg.CreateKey(user, "Software\\K A");
    reg.SetString(user, "Software\\K", "value", "");
    EXPECT_EQ(reg.SubkeyNames(user, "software\\k"), (std::vector<std::string>{"A", "b"}));
    EXPECT_TRUE(reg.SubkeyNames(RegRoot::ClassesRoot, "Software\\K").empty());
}

} // namespace
} // namespace kivet
