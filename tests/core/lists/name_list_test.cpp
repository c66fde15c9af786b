#include "messenger/lists/name_list.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "tests/core/lists/list_fakes.h"
#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

using test::ListRegistry;
using test::TestCodec;
using test::Under;

const std::string kQuick = Under("QuickList");

std::string Numbered(int i)
{
    char name[8];
    std::snprintf(name, sizeof name, "PC%02d", i);
    return name;
}

class NameListLoad : public ::testing::Test {
protected:
    ListRegistry reg;
    NameList list{reg, "QuickList", TestCodec()};
};

TEST_F(NameListLoad, KeepsTheRegistryOrderAndStopsAtFiftyEntries)
{
    for (int i = 0; i < 60; ++i)
        reg.Put(kQuick, Numbered(i));
    reg.reverseOrder = true; // enumeration that is not sorted: the list must not sort
    list.Load();
    ASSERT_EQ(list.Count(), kListCapacity);
    EXPECT_EQ(list.Entries().front(), "PC59");
    EXPECT_EQ(list.Entries().back(), "PC10");
    EXPECT_FALSE(list.Contains("PC09"));
    EXPECT_EQ(reg.writes, 0) << "loading never writes";
    EXPECT_EQ(reg.Names(kQuick).size(), 60u) << "values beyond the capacity stay in the registry";
}

TEST_F(NameListLoad, OverlongAndEmptyNamesArePassedOverNotCut)
{
    const std::string twenty(20, 'L');
    reg.Put(kQuick, "AAA");
    reg.Put(kQuick, twenty);
    reg.Put(kQuick, std::string(300, 'M'));
    reg.Put(kQuick, std::string(19, 'N'));
    reg.Put(kQuick, ""); // the key's default value
    list.Load();
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"AAA", std::string(19, 'N')}));
    EXPECT_FALSE(list.Contains(twenty.substr(0, 19)));
    EXPECT_EQ(reg.Names(kQuick).size(), 5u);
}

TEST_F(NameListLoad, OverlongNamesDoNotCountAgainstTheCapacity)
{
    for (int i = 0; i < 30; ++i)
        reg.Put(kQuick, std::string(25, 'A') + Numbered(i));
    for (int i = 0; i < 50; ++i)
        reg.Put(kQuick, Numbered(i));
    list.Load();
    EXPECT_EQ(list.Count(), 50u);
}

TEST_F(NameListLoad, BytesThatAreNotTextLoadAndDelete)
{
    const std::string odd("\x01\xFF\x7F\\ \x03", 6);
    reg.Put(kQuick, odd);
    list.Load();
    ASSERT_TRUE(list.Contains(odd));
    EXPECT_TRUE(list.Delete(odd));
    EXPECT_TRUE(reg.Names(kQuick).empty());
}

TEST_F(NameListLoad, MissingSubkeyGivesAnEmptyListAndCreatesNothing)
{
    reg.Put(kQuick, "STALE");
    list.Load();
    ASSERT_EQ(list.Count(), 1u);
    reg.DeleteValue(RegRoot::CurrentUser, kQuick, "STALE");
    reg.DeleteKey(RegRoot::CurrentUser, kQuick);
    reg.writes = 0;
    list.Load();
    EXPECT_EQ(list.Count(), 0u) << "a reload replaces what was held";
    EXPECT_FALSE(reg.HasKey(kQuick));
    EXPECT_EQ(reg.writes, 0);
}

class NameListEdit : public ::testing::Test {
protected:
    ListRegistry reg;
    NameList list{reg, "QuickList", TestCodec()};
};

TEST_F(NameListEdit, AddingTwiceKeepsOneEntry)
{
    EXPECT_TRUE(list.Add("JSMITH"));
    EXPECT_FALSE(list.Add("JSMITH")) << "the second add reports nothing added";
    EXPECT_EQ(list.Entries(), std::vector<std::string>{"JSMITH"});
    EXPECT_EQ(reg.Names(kQuick), std::vector<std::string>{"JSMITH"});
    EXPECT_EQ(reg.Data(kQuick, "JSMITH"), "");
}

TEST_F(NameListEdit, NamesDifferingOnlyInCaseAreOneEntry)
{
    ASSERT_TRUE(list.Add("ALICE"));
    EXPECT_TRUE(list.Contains("Alice")) << "a normalised sender matches the upper-case entry";
    EXPECT_FALSE(list.Add("alice"));
    EXPECT_EQ(list.Count(), 1u);
    EXPECT_EQ(reg.Names(kQuick), std::vector<std::string>{"ALICE"}) << "the stored spelling is kept";
}

TEST_F(NameListEdit, CaseIsComparedThroughTheCodec)
{
    // Upper-case A with diaeresis and its lower-case form differ outside ASCII: only the codec's
    // upper-casing makes them one name.
    ASSERT_TRUE(list.Add(std::string("J") + test::kAnsiUpperAUml + "RG"));
    EXPECT_TRUE(list.Contains(std::string("j") + test::kAnsiLowerAUml + "rg"));
    EXPECT_FALSE(list.Contains("JARG"));
}

TEST_F(NameListEdit, AddRefusesEmptyOverlongAndBeyondCapacity)
{
    EXPECT_FALSE(list.Add(""));
    EXPECT_FALSE(list.Add(std::string(20, 'X')));
    EXPECT_TRUE(list.Add(std::string(19, 'X')));
    for (int i = 1; i < 50; ++i)
        ASSERT_TRUE(list.Add(Numbered(i))) << i;
    EXPECT_EQ(list.Count(), 50u);
    EXPECT_FALSE(list.Add("ONEMORE"));
    EXPECT_EQ(reg.Names(kQuick).size(), 50u) << "a refused add writes nothing";
}

TEST_F(NameListEdit, AddIsRefusedWhenTheRegistryRefuses)
{
    reg.refuseWrites = true;
    EXPECT_FALSE(list.Add("JSMITH"));
    EXPECT_EQ(list.Count(), 0u);
}

TEST_F(NameListEdit, AddReadsTheSubkeyAgain)
{
    list.Load();
    reg.Put(kQuick, "OTHERPROCESS");
    ASSERT_TRUE(list.Add("MINE"));
    EXPECT_TRUE(list.Contains("OTHERPROCESS"));
}

TEST_F(NameListEdit, DeleteRemovesEntryAndValueStoredInAnotherCase)
{
    reg.Put(kQuick, "Bob");
    reg.Put(kQuick, "CAROL");
    list.Load();
    EXPECT_TRUE(list.Delete("BOB"));
    EXPECT_EQ(list.Entries(), std::vector<std::string>{"CAROL"});
    EXPECT_EQ(reg.Names(kQuick), std::vector<std::string>{"CAROL"});
    EXPECT_FALSE(list.Delete("BOB"));
    EXPECT_FALSE(list.Delete("NOBODY"));
}

TEST_F(NameListEdit, DeleteRefusedByTheRegistryKeepsTheEntry)
{
    reg.Put(kQuick, "BOB");
    list.Load();
    reg.refuseWrites = true;
    EXPECT_FALSE(list.Delete("BOB"));
    EXPECT_TRUE(list.Contains("BOB")) << "the list keeps showing what the registry holds";
}

TEST_F(NameListEdit, DeleteBringsInAnEntryBeyondTheCapacity)
{
    for (int i = 0; i < 51; ++i)
        reg.Put(kQuick, Numbered(i));
    list.Load();
    ASSERT_FALSE(list.Contains("PC50"));
    ASSERT_TRUE(list.Delete("PC00"));
    EXPECT_EQ(list.Count(), 50u);
    EXPECT_TRUE(list.Contains("PC50"));
}

TEST_F(NameListEdit, SaveAllCreatesTheSubkeyAndWritesEveryEntry)
{
    list.SaveAll();
    EXPECT_TRUE(reg.HasKey(kQuick)) << "an empty list still makes its subkey";
    reg.Put(kQuick, "ONE");
    reg.Put(kQuick, "TWO");
    list.Load();
    reg.DeleteValue(RegRoot::CurrentUser, kQuick, "ONE");
    reg.DeleteValue(RegRoot::CurrentUser, kQuick, "TWO");
    reg.DeleteKey(RegRoot::CurrentUser, kQuick);
    list.SaveAll();
    EXPECT_EQ(reg.Names(kQuick), (std::vector<std::string>{"ONE", "TWO"}));
}

} // namespace
} // namespace kivet
