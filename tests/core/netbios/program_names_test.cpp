// The names the program registers at start-up.
#include <gtest/gtest.h>

#include "messenger/netbios/name_text.h"
#include "messenger/netbios/program_names.h"

using namespace kivet;
using namespace kivet::nbt;

namespace {

std::vector<std::string> Described(const std::vector<NameToAdd>& names)
{
    std::vector<std::string> described;
    for (const NameToAdd& entry : names)
        described.push_back(DescribeName(entry.name) + (entry.group ? " group" : ""));
    return described;
}

} // namespace

TEST(ProgramNames, WorkstationNamesAsWindowsRegistersThem)
{
    EXPECT_EQ(Described(ProgramNames("pc-07", "jsmith", "office")),
              (std::vector<std::string>{"PC-07<00>", "PC-07<03>", "JSMITH<03>", "OFFICE<00> group",
                                        "OFFICE<1E> group"}));
    EXPECT_EQ(Described({NameToAdd{AutoReplyName(), true}}), std::vector<std::string>{"AUTOANSWERMODE<11> group"});
}

TEST(ProgramNames, SameUserAndComputerOnceAndInvalidNamesLeftOut)
{
    EXPECT_EQ(Described(ProgramNames("PC-07", "pc-07", "")), (std::vector<std::string>{"PC-07<00>", "PC-07<03>"}));
    EXPECT_EQ(Described(ProgramNames("PC-07", "A-VERY-LONG-USER-NAME", "WORK*GROUP")),
              (std::vector<std::string>{"PC-07<00>", "PC-07<03>"}));
}

// Wine reports the computer's own name as its LAN group: that is no workgroup, and registering it
// would leave the computer without a workgroup name (its <00> group cannot join the unique one).
TEST(ProgramNames, WorkgroupFromTheReportedLanGroup)
{
    EXPECT_EQ(WorkgroupToRegister("OFFICE", "PC-07"), "OFFICE");
    EXPECT_EQ(WorkgroupToRegister("PC-07", "PC-07"), "WORKGROUP");
    EXPECT_EQ(WorkgroupToRegister("pc-07", "PC-07"), "WORKGROUP");
    EXPECT_EQ(WorkgroupToRegister("", "PC-07"), "WORKGROUP");
    EXPECT_EQ(WorkgroupToRegister("PC-0", "PC-07"), "PC-0");
}
