#include "messenger/runtime/help_topics.h"

namespace kivet {
namespace {

const char* const kTopicPages[kHelpTopicCount] = {
    "",
    "::/html/kive6rvw.htm", // Options: Settings
    "::/html/kive2ntx.htm", // Options: Messaging
    "::/html/kive1i9c.htm", // Options: Network Groups
    "::/html/kive3ak4.htm", // Options: Quick List
    "::/html/kive7mlw.htm", // Options: Ignore List
    "::/html/kive7z77.htm", // Options: Quick Answers
    "::/html/kive7z76.htm", // Options: My Groups
    "::/html/kive7z78.htm", // Options: Auto-Replies
    "::/html/kive6cmx.htm", // Options: History
    "::/html/kive8b31.htm", // Options: Transfer
    "::/html/kive2iw6.htm", // computer details window
    "::/html/kive6339.htm", // send dialog
};

} // namespace

std::string HelpTopicSuffix(int topic)
{
    if (topic < 0 || topic >= kHelpTopicCount) return std::string();
    return kTopicPages[topic];
}

std::string HelpCommandLine(const std::string& programFolder, const std::string& helpFile, int topic)
{
    return "hh.exe \"" + programFolder + helpFile + HelpTopicSuffix(topic) + "\"";
}

} // namespace kivet
