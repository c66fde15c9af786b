#include "messenger/lists/list_entry.h"

#include <gtest/gtest.h>

#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

using test::TestCodec;

// "jörg"-like names with a letter whose upper case only the code page knows.
const std::string kLowerUml = std::string("m") + test::kAnsiLowerAUml + "ller";
const std::string kUpperUml = std::string("M") + test::kAnsiUpperAUml + "LLER";

TEST(ListEntryForm, InputLimitsAndCase)
{
    EXPECT_EQ(FormOf(ListKind::NetworkGroups).inputLimit, 19u);
    EXPECT_EQ(FormOf(ListKind::IgnoreList).inputLimit, 16u);
    EXPECT_EQ(FormOf(ListKind::QuickList).inputLimit, 16u);
    EXPECT_EQ(FormOf(ListKind::QuickAnswers).inputLimit, 19u);
    EXPECT_EQ(FormOf(ListKind::MyGroup).inputLimit, 19u);
    EXPECT_EQ(FormOf(ListKind::MyGroupMember).inputLimit, 16u);
    EXPECT_FALSE(FormOf(ListKind::QuickAnswers).upperCase);
    for (ListKind k : {ListKind::NetworkGroups, ListKind::IgnoreList, ListKind::QuickList, ListKind::MyGroup,
                       ListKind::MyGroupMember})
        EXPECT_TRUE(FormOf(k).upperCase);
}

TEST(ListEntryNormalise, GroupNamesAreCutAtTheFirstSpace)
{
    for (ListKind k : {ListKind::NetworkGroups, ListKind::MyGroup}) {
        EXPECT_EQ(NormaliseEntry(k, "sales (Server)", TestCodec()), "SALES");
        EXPECT_EQ(NormaliseEntry(k, kLowerUml + " team", TestCodec()), kUpperUml);
        EXPECT_EQ(NormaliseEntry(k, "abcdefghijklmnopqrs", TestCodec()), "ABCDEFGHIJKLMNOP");
        EXPECT_EQ(NormaliseEntry(k, " leading", TestCodec()), "");
        EXPECT_EQ(NormaliseEntry(k, "", TestCodec()), "");
    }
}

TEST(ListEntryNormalise, NamesLoseTrailingBlanksAndByteThree)
{
    for (ListKind k : {ListKind::IgnoreList, ListKind::QuickList, ListKind::MyGroupMember}) {
        EXPECT_EQ(NormaliseEntry(k, "jsmith   ", TestCodec()), "JSMITH");
        EXPECT_EQ(NormaliseEntry(k, "john smith \x03", TestCodec()), "JOHN SMITH") << "inner blanks stay";
        EXPECT_EQ(NormaliseEntry(k, "pc\x03-07", TestCodec()), "PC-07");
        EXPECT_EQ(NormaliseEntry(k, kLowerUml, TestCodec()), kUpperUml);
        EXPECT_EQ(NormaliseEntry(k, "abcdefghijklmnopqrstuvwxyz", TestCodec()), "ABCDEFGHIJKLMNOP");
        EXPECT_EQ(NormaliseEntry(k, "   \x03 ", TestCodec()), "");
        EXPECT_EQ(NormaliseEntry(k, std::string("\xFF\x01", 2), TestCodec()), std::string("\xFF\x01", 2));
    }
}

TEST(ListEntryNormalise, QuickAnswersAreKeptAsTyped)
{
    EXPECT_EQ(NormaliseEntry(ListKind::QuickAnswers, "Call me " + kLowerUml, TestCodec()), "Call me " + kLowerUml);
    EXPECT_EQ(NormaliseEntry(ListKind::QuickAnswers, std::string(19, 'q'), TestCodec()), std::string(19, 'q'));
    EXPECT_EQ(NormaliseEntry(ListKind::QuickAnswers, std::string(30, 'q'), TestCodec()), std::string(19, 'q'))
        << "the input takes no 20th character";
    EXPECT_EQ(NormaliseEntry(ListKind::QuickAnswers, "ok  ", TestCodec()), "ok  ");
}

TEST(ListEntryQuickAdd, CutAtTheFirstSpaceToSixteenCharacters)
{
    EXPECT_EQ(QuickAddName("Jsmith (PC-07)"), "Jsmith");
    EXPECT_EQ(QuickAddName("Abcdefghijklmnopqrstu"), "Abcdefghijklmnop");
    EXPECT_EQ(QuickAddName("Abcdefghijklmnopq rst"), "Abcdefghijklmnop");
    EXPECT_EQ(QuickAddName("Pc-07"), "Pc-07") << "case is left to the caller";
    EXPECT_EQ(QuickAddName(""), "");
    EXPECT_EQ(QuickAddName(" x"), "");
}

} // namespace
} // namespace kivet
