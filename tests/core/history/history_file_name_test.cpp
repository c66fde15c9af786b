// The history file's name from the logon name: the same name the messenger writes and the viewer
// opens, and never a path outside the History folder.
#include <gtest/gtest.h>

#include "common/history_file_name.h"

namespace kivet {
namespace {

TEST(HistoryFileName, OrdinaryNamesAreKept)
{
    EXPECT_EQ(HistoryFileNameFor("Jsmith"), "Jsmith.html");
    EXPECT_EQ(HistoryFileNameFor("j.smith-2 x"), "j.smith-2 x.html");
    EXPECT_EQ(HistoryFileNameFor("\xC8\xE2\xE0\xED"), "\xC8\xE2\xE0\xED.html"); // ANSI letters
    EXPECT_EQ(HistoryFileNameFor(""), "History.html");
}

TEST(HistoryFileName, PathCharactersBecomeUnderscores)
{
    EXPECT_EQ(HistoryFileNameFor("..\\..\\evil"), ".._.._evil.html");
    EXPECT_EQ(HistoryFileNameFor("../x"), ".._x.html");
    EXPECT_EQ(HistoryFileNameFor("C:x"), "C_x.html");
    EXPECT_EQ(HistoryFileNameFor("a*b?c\"d<e>f|g"), "a_b_c_d_e_f_g.html");
    EXPECT_EQ(HistoryFileNameFor(std::string("a\0b\x1f", 4)), "a_b_.html");
    EXPECT_EQ(HistoryFileNameFor(".."), "...html");
}

TEST(HistoryFileName, DeviceNamesAreNotUsed)
{
    EXPECT_EQ(HistoryFileNameFor("CON"), "_CON.html");
    EXPECT_EQ(HistoryFileNameFor("nul"), "_nul.html");
    EXPECT_EQ(HistoryFileNameFor("Lpt1"), "_Lpt1.html");
    EXPECT_EQ(HistoryFileNameFor("com9.x"), "_com9.x.html");
    EXPECT_EQ(HistoryFileNameFor("aux "), "_aux .html");
    EXPECT_EQ(HistoryFileNameFor("CONSOLE"), "CONSOLE.html");
    EXPECT_EQ(HistoryFileNameFor("COM10"), "COM10.html");
}

TEST(HistoryFileName, LongNamesAreCut)
{
    std::string name = HistoryFileNameFor(std::string(1000, 'a'));
    EXPECT_EQ(name, std::string(kHistoryNameMaxChars, 'a') + ".html");
}

} // namespace
} // namespace kivet
