#include "messenger/runtime/help_topics.h"

#include <gtest/gtest.h>

namespace kivet {
namespace {

TEST(HelpCommandLine, OpensTheTopicsPageInTheHelpFileOfTheProgramFolder)
{
    EXPECT_EQ(HelpCommandLine("C:\\Kivet\\", "kivetsec.chm", 1), "hh.exe \"C:\\Kivet\\kivetsec.chm::/html/kive6rvw.htm\"");
    EXPECT_EQ(HelpCommandLine("C:\\Kivet\\", "kivetsec.chm", 12),
              "hh.exe \"C:\\Kivet\\kivetsec.chm::/html/kive6339.htm\"");
}

TEST(HelpCommandLine, TopicZeroAndUnknownTopicsOpenTheStartPage)
{
    for (int topic : {0, 13, -1, 1000})
        EXPECT_EQ(HelpCommandLine("C:\\Kivet\\", "kivetsec.chm", topic), "hh.exe \"C:\\Kivet\\kivetsec.chm\"") << topic;
}

TEST(HelpCommandLine, AFolderWithBlanksStaysOneArgument)
{
    EXPECT_EQ(HelpCommandLine("C:\\Program Files\\Kivet\\", "справка.chm", 10),
              "hh.exe \"C:\\Program Files\\Kivet\\справка.chm::/html/kive8b31.htm\"");
}

} // namespace
} // namespace kivet
