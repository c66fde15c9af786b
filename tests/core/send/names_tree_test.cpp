// The send dialog's names tree: headings and names in their order with their values and
// pictures, the recipient an item stands for, and the commands a selected item allows.
#include <gtest/gtest.h>

#include <cstring>

#include "messenger/send/names_tree.h"

namespace kivet::test {
namespace {

NamesTreeTexts Texts()
{
    return {"Network Groups", "My Groups", "Quick List", "Ignore List", "Domains", "Computers", "Users",
            " (Server)",      " (Offline)"};
}

QuickListStatus Status(const char* name, bool found)
{
    QuickListStatus s;
    std::strncpy(s.name, name, sizeof s.name - 1);
    s.found = found;
    return s;
}

std::vector<std::string> TextsOf(const std::vector<NamesTreeNode>& nodes)
{
    std::vector<std::string> out;
    for (const NamesTreeNode& n : nodes) out.push_back(n.text);
    return out;
}

std::vector<uint32_t> ValuesOf(const std::vector<NamesTreeNode>& nodes)
{
    std::vector<uint32_t> out;
    for (const NamesTreeNode& n : nodes) out.push_back(n.value);
    return out;
}

TEST(NamesTree, HeadingsInOrderOnlyWhenFilled)
{
    NamesTreeInput in;
    EXPECT_TRUE(BuildNamesTree(in, Texts()).empty());
    in.scanned = {{TreeBranch::Users, "Jsmith", 1000, 1}, {TreeBranch::Domains, "Office", 21000, 0}};
    in.ignoreList = {"SPAM"};
    in.quickList = {"PC1"};
    in.myGroups = {{"FRIENDS", {}}};
    in.serverGroups = {"@ALL"};
    const std::vector<NamesTreeNode> tree = BuildNamesTree(in, Texts());
    EXPECT_EQ(TextsOf(tree),
              (std::vector<std::string>{"Network Groups", "My Groups", "Quick List", "Ignore List", "Domains", "Users"}));
    EXPECT_EQ(ValuesOf(tree), (std::vector<uint32_t>{0, 3, 1, 2, 4, 6}));
    for (const NamesTreeNode& heading : tree) EXPECT_TRUE(heading.heading);
}

TEST(NamesTree, ListsKeepTheirOrderAndValues)
{
    NamesTreeInput in;
    in.networkGroups = {"@SALES", "@IT"};
    in.serverGroups = {"@ALL"};
    in.myGroups = {{"FRIENDS", {"ANN", "BEN"}}, {"TEAM", {"CID"}}};
    in.quickList = {"PC2", "PC1"};
    in.quickListStatus = {Status("PC1", true), Status("PC2", false)};
    in.ignoreList = {"SPAM"};
    const std::vector<NamesTreeNode> tree = BuildNamesTree(in, Texts());
    ASSERT_EQ(tree.size(), 4u);
    EXPECT_EQ(TextsOf(tree[0].children), (std::vector<std::string>{"@SALES", "@IT", "@ALL (Server)"}));
    EXPECT_EQ(ValuesOf(tree[0].children), (std::vector<uint32_t>{100, 101, 102}));
    EXPECT_EQ(tree[0].children[2].image, TreeImage::ServerGroup);
    EXPECT_EQ(ValuesOf(tree[1].children), (std::vector<uint32_t>{400, 401}));
    EXPECT_EQ(ValuesOf(tree[1].children[0].children), (std::vector<uint32_t>{500, 501}));
    EXPECT_EQ(ValuesOf(tree[1].children[1].children), (std::vector<uint32_t>{502})); // numbered on
    // A Quick List name the last scan did not find (or never asked for) is marked off line.
    EXPECT_EQ(TextsOf(tree[2].children), (std::vector<std::string>{"PC2 (Offline)", "PC1"}));
    EXPECT_EQ(ValuesOf(tree[2].children), (std::vector<uint32_t>{200, 201}));
    EXPECT_EQ(ValuesOf(tree[3].children), (std::vector<uint32_t>{300}));
    EXPECT_EQ(tree[3].children[0].image, TreeImage::IgnoredName);
}

TEST(NamesTree, ScannedNamesSortedWithThePicturesOfTheirState)
{
    NamesTreeInput in;
    in.scanned = {{TreeBranch::Computers, "Pc9", 11000, 2},
                  {TreeBranch::Computers, "alpha", 11001, 0},
                  {TreeBranch::Computers, "Beta", 11002, 1},
                  {TreeBranch::Users, "Zed", 1000, 1}};
    const std::vector<NamesTreeNode> tree = BuildNamesTree(in, Texts());
    ASSERT_EQ(tree.size(), 2u);
    EXPECT_EQ(TextsOf(tree[0].children), (std::vector<std::string>{"alpha", "Beta", "Pc9"}));
    EXPECT_EQ(ValuesOf(tree[0].children), (std::vector<uint32_t>{11001, 11002, 11000}));
    EXPECT_EQ(tree[0].children[0].image, TreeImage::ComputerOffline);
    EXPECT_EQ(tree[0].children[1].image, TreeImage::ComputerOnline);
    EXPECT_EQ(tree[0].children[2].state, 2);
    EXPECT_EQ(tree[1].children[0].image, TreeImage::UserOnline);
}

TEST(NamesTree, LongListsStayInsideTheirValueRanges)
{
    NamesTreeInput in;
    for (int i = 0; i < 80; ++i) in.networkGroups.push_back("@G" + std::to_string(i));
    for (int i = 0; i < 80; ++i) in.serverGroups.push_back("@S" + std::to_string(i));
    MyGroupNames big{"BIG", {}};
    for (int i = 0; i < 700; ++i) big.members.push_back("M" + std::to_string(i));
    in.myGroups = {big};
    const std::vector<NamesTreeNode> tree = BuildNamesTree(in, Texts());
    EXPECT_EQ(tree[0].children.size(), 100u);
    EXPECT_EQ(tree[0].children.back().value, 199u);
    EXPECT_EQ(tree[1].children[0].children.size(), 100u);
    // Every value still tells its kind: no member reaches the users' values.
    for (const NamesTreeNode& member : tree[1].children[0].children) EXPECT_FALSE(TreeCommandsFor(member.value, 2).readAutoReply);
}

TEST(NamesTree, CommandsFollowTheItemValue)
{
    struct Case {
        uint32_t value;
        uint8_t state;
        bool details, readAutoReply;
    } cases[] = {
        {0, 0, false, false},     {6, 2, false, false},      // headings
        {100, 0, false, false},   {199, 0, false, false},    // Network Groups
        {200, 0, true, false},    {399, 0, true, false},     // Quick List, Ignore List
        {400, 0, false, false},   {499, 0, false, false},    // My Groups
        {500, 0, true, false},    {599, 2, true, false},     // members: no scan state
        {600, 0, false, false},   {999, 2, false, false},    // nothing
        {1000, 1, true, false},   {1000, 2, true, true},     // users
        {20999, 2, true, true},   {11000, 0, true, false},   // computers
        {21000, 2, false, false},                            // domains
    };
    for (const Case& c : cases) {
        const TreeCommandStates s = TreeCommandsFor(c.value, c.state);
        EXPECT_EQ(s.details, c.details) << c.value;
        EXPECT_EQ(s.readAutoReply, c.readAutoReply) << c.value << " state " << int(c.state);
        EXPECT_FALSE(s.transfer);
        EXPECT_TRUE(s.refresh);
    }
}

TEST(NamesTree, RecipientOfAnItem)
{
    EXPECT_EQ(RecipientOfTreeItem("@ALL (Server)", 102, " (Offline)"), "@ALL");
    EXPECT_EQ(RecipientOfTreeItem("@ABCDEFGHIJKLMNOPQRS", 100, " (Offline)"), "@ABCDEFGHIJKLMNO");
    EXPECT_EQ(RecipientOfTreeItem("PC2 (Offline)", 200, " (Offline)"), "PC2");
    EXPECT_EQ(RecipientOfTreeItem("JOHN SMITH", 201, " (Offline)"), "JOHN SMITH");
    EXPECT_EQ(RecipientOfTreeItem("SPAM (Offline)", 300, " (Offline)"), "SPAM (Offline)"); // only the Quick List marks
    EXPECT_EQ(RecipientOfTreeItem("FRIENDS", 400, " (Offline)"), "#FRIENDS");
    EXPECT_EQ(RecipientOfTreeItem("#TEAM", 401, " (Offline)"), "#TEAM");
    EXPECT_EQ(RecipientOfTreeItem("Pc9", 11000, " (Offline)"), "Pc9");
    EXPECT_EQ(RecipientOfTreeItem("Quick List", 1, " (Offline)"), "");
    EXPECT_EQ(RecipientOfTreeItem(std::string(60, 'N'), 1000, " (Offline)").size(), 29u);
}

} // namespace
} // namespace kivet::test
