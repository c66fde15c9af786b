#include "messenger/runtime/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace kivet {
namespace {

struct ParseRow {
    const char* args;
    const char* key;
    const char* name;
    const char* text;
    int words;
};

TEST(CommandLineParse, SplitsKeyNameAndText)
{
    const ParseRow rows[] = {
        {"", "", "", "", 0},
        {"   ", "", "", "", 0},
        {"/l", "/l", "", "", 1},
        {"/s PC1", "/s", "PC1", "", 2},
        {"/s PC1,PC2 hello there", "/s", "PC1,PC2", "hello there", 3},
        {"/s  PC1    hello   there  ", "/s", "PC1", "hello   there  ", 3},
        {"\t/S\tPC1\thi", "/S", "PC1", "hi", 3},
        {"/e \\\\PC7\\", "/e", "\\\\PC7\\", "", 2},
        {"/send PC1 hi", "/s", "PC1", "hi", 3}, // the key field holds two characters
    };
    for (const ParseRow& r : rows) {
        SCOPED_TRACE(r.args);
        CommandLine cl = ParseCommandLine(r.args);
        EXPECT_STREQ(cl.key, r.key);
        EXPECT_STREQ(cl.name, r.name);
        EXPECT_STREQ(cl.text, r.text);
        EXPECT_EQ(cl.wordCount, r.words);
    }
}

TEST(CommandLineParse, CutsOverlongNameAndText)
{
    std::string name(400, 'N');
    std::string text(1000, 't');
    CommandLine cl = ParseCommandLine("/s " + name + " " + text);
    EXPECT_EQ(std::string(cl.name), std::string(254, 'N'));
    EXPECT_EQ(std::string(cl.text), std::string(254, 't'));
    EXPECT_EQ(cl.wordCount, 3);
}

TEST(CommandLineParse, LongLineBeyondAnEightBitPositionStillParses)
{
    // A key, then 300 blanks, then the name: positions past 255 must not wrap.
    CommandLine cl = ParseCommandLine("/s" + std::string(300, ' ') + "PC9 text");
    EXPECT_STREQ(cl.name, "PC9");
    EXPECT_STREQ(cl.text, "text");
}

TEST(CommandLineParse, SkipsProgramName)
{
    EXPECT_EQ(SkipProgramName("kivetsec.exe /l"), " /l");
    EXPECT_EQ(SkipProgramName("\"C:\\Program Files\\Kivet\\kivetsec.exe\" /s PC hi"), " /s PC hi");
    EXPECT_EQ(SkipProgramName("\"unterminated"), "");
    EXPECT_EQ(SkipProgramName(""), "");
    // Started through the shell verb with an unquoted path that holds blanks.
    const char* path = "C:\\Program Files\\Kivet\\kivetsec.exe";
    EXPECT_EQ(SkipProgramName("C:\\Program Files\\Kivet\\kivetsec.exe /e \\\\PC7", path), " /e \\\\PC7");
    EXPECT_EQ(SkipProgramName("c:\\program files\\kivet\\KIVETSEC.EXE", path), "");
    EXPECT_EQ(SkipProgramName("\"C:\\Program Files\\Kivet\\kivetsec.exe\" /l", path), " /l");
    EXPECT_EQ(SkipProgramName("C:\\Program Files\\Kivet\\kivetsec.exex /l", path), " Files\\Kivet\\kivetsec.exex /l");
}

TEST(CommandLineKeys, ClassifiedCaseInsensitively)
{
    struct Row {
        const char* args;
        CommandKey key;
    } rows[] = {
        {"", CommandKey::None},          {"/s a b", CommandKey::Send},   {"/S a b", CommandKey::Send},
        {"/e x", CommandKey::Explorer},  {"/E x", CommandKey::Explorer}, {"/l", CommandKey::Log},
        {"/L", CommandKey::Log},         {"/?", CommandKey::Help},       {"/h", CommandKey::Help},
        {"/H", CommandKey::Help},        {"/x", CommandKey::Unknown},    {"s", CommandKey::Unknown},
        {"-s a b", CommandKey::Unknown},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.args);
        EXPECT_EQ(ClassifyKey(ParseCommandLine(r.args)), r.key);
    }
}

TEST(CommandLineKeys, SendNeedsNameAndText)
{
    EXPECT_FALSE(HasSendArguments(ParseCommandLine("/s")));
    EXPECT_FALSE(HasSendArguments(ParseCommandLine("/s PC1")));
    EXPECT_FALSE(HasSendArguments(ParseCommandLine("/s PC1   ")));
    EXPECT_TRUE(HasSendArguments(ParseCommandLine("/s PC1 x")));
}

TEST(NetworkPathHandOver, TakesTheComputerName)
{
    EXPECT_EQ(ComputerFromNetworkPath("\\\\PC7"), "PC7");
    EXPECT_EQ(ComputerFromNetworkPath("\\\\PC7\\"), "PC7");
    EXPECT_EQ(ComputerFromNetworkPath("\\\\PC7\\share\\dir"), "PC7");
    EXPECT_EQ(ComputerFromNetworkPath("PC7"), "PC7");
    EXPECT_EQ(ComputerFromNetworkPath("\\"), "");
    EXPECT_EQ(ComputerFromNetworkPath(""), "");
}

TEST(SendRecipients, UpperCasedSplitAndCut)
{
    EXPECT_EQ(SplitRecipients("pc1,Pc2"), (std::vector<std::string>{"PC1", "PC2"}));
    EXPECT_EQ(SplitRecipients("@sales,#friends"), (std::vector<std::string>{"@SALES", "#FRIENDS"}));
    EXPECT_EQ(SplitRecipients("abcdefghijklmnopqrstu"), (std::vector<std::string>{"ABCDEFGHIJKLMNO"}));
    EXPECT_EQ(SplitRecipients("a,,b,"), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(SplitRecipients(",").empty());
}

} // namespace
} // namespace kivet
