// The history file the real program writes for the messages it receives, and OverwriteAtStartup.
#include <gtest/gtest.h>

#include <windows.h>

#include <regex>
#include <string>
#include <vector>

#include "messenger/history/history_blocks.h"
#include "tests/wine/driver/main_window_session.h"

namespace kivet::wine {
namespace {

std::string DisplayForm(std::string name)
{
    if (name.empty()) return name;
    CharUpperBuffA(&name[0], 1);
    if (name.size() > 1) CharLowerBuffA(&name[1], static_cast<DWORD>(name.size() - 1));
    return name;
}

std::string ComputerName()
{
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    GetComputerNameA(name, &size);
    return std::string(name, size);
}

std::vector<std::string> AllMatches(const std::string& text, const std::regex& pattern)
{
    std::vector<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
        found.push_back(it->str(1));
    return found;
}

class ProgramHistory : public MainWindowSession {
protected:
    std::string IniSettings() const override { return "MovetoTrayAtStartup=0\r\n[HISTORY]\r\nLogHistory=1\r\n"; }
    std::string HistoryFile() const { return folder + "\\History\\" + LogonName() + ".html"; }
};

// The file is the document the history's blocks make, with the date and times the program wrote:
// the head once, each message as it came, the closing block last.
TEST_F(ProgramHistory, ReceivedMessagesAreWrittenByteForByte)
{
    const std::string first = "Lunch <now>? [:)]\r\nor later";
    ASSERT_TRUE(WritePlainMessage("ALICE", "Bob", first));
    ASSERT_TRUE(WaitForHeader("Message from Alice to Bob"));
    ASSERT_TRUE(WritePlainMessage("CAROL", "Bob", "second"));
    ASSERT_TRUE(WaitUntil([&] { return TrayTooltip(main).rfind("2 Messages", 0) == 0; }, 10000));

    const std::string written = ReadTextFile(HistoryFile());
    const std::vector<std::string> dates = AllMatches(written, std::regex(">(\\d{1,2}/\\d{1,2}/\\d{4})<"));
    const std::vector<std::string> times = AllMatches(written, std::regex(">(\\d{1,2}:\\d{1,2}:\\d{1,2})<"));
    ASSERT_EQ(dates.size(), 1u) << written;
    ASSERT_EQ(times.size(), 2u) << written;

    const std::string programFolder = folder + "\\";
    const HistoryOwner owner{programFolder, DisplayForm(LogonName()), DisplayForm(ComputerName())};
    const std::string expected = HistoryHeadBlock(owner, dates[0]) +
                                 HistoryEntryBlock(programFolder, {"Alice", "Bob", first, true}, times[0]) +
                                 HistoryEntryBlock(programFolder, {"Carol", "Bob", "second", true}, times[1]) +
                                 std::string(kHistoryClosingBlock);
    EXPECT_EQ(written, expected);
}

class OverwrittenHistory : public ProgramHistory {
protected:
    std::string IniSettings() const override
    {
        return "MovetoTrayAtStartup=0\r\n[HISTORY]\r\nLogHistory=1\r\nOverwriteAtStartup=1\r\n";
    }
};

TEST_F(OverwrittenHistory, TheFileOfTheLastRunIsGoneAtStartUp)
{
    // The fixture started the program; a file written before its start is what it found.
    EXPECT_EQ(GetFileAttributesA(HistoryFile().c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(ExitProgram(program));
    CreateDirectoryA((folder + "\\History").c_str(), nullptr);
    WriteTextFile(HistoryFile(), "<html>last run</html>");
    KivetProcess again;
    ASSERT_TRUE(StartAndWaitForMainWindow(again, folder, ""));
    EXPECT_EQ(GetFileAttributesA(HistoryFile().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(ExitProgram(again));
}

} // namespace
} // namespace kivet::wine
