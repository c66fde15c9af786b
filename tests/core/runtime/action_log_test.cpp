#include "messenger/runtime/action_log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

namespace kivet {
namespace {

std::tm At(int year, int mon, int day, int h, int m, int s)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = mon;
    t.tm_mday = day;
    t.tm_hour = h;
    t.tm_min = m;
    t.tm_sec = s;
    return t;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string TempPath(const char* name)
{
    return ::testing::TempDir() + name;
}

TEST(ActionLogFormat, EnglishMonthsAndTwoDigitFields)
{
    EXPECT_EQ(FormatLogTime(At(2003, 11, 6, 15, 35, 47)), "06 December 2003 on 15:35:47");
    EXPECT_EQ(FormatLogTime(At(2026, 0, 31, 0, 0, 5)), "31 January 2026 on 00:00:05");
}

TEST(ActionLogFormat, HeaderAndEntryLayout)
{
    std::tm t = At(2003, 11, 6, 15, 35, 47);
    const std::string rule(55, '=');
    EXPECT_EQ(BuildLogHeader(t), rule +
                                     "\r\nKivet Secure Messenger log file\r\nLog started at 06 December 2003 on "
                                     "15:35:47\r\n" +
                                     rule + "\r\n");
    EXPECT_EQ(BuildLogEntry(t, "Enumerating network adapters..."),
              "\r\n06 December 2003 on 15:35:47\r\nACTION: Enumerating network adapters...\r\n");
}

TEST(ActionLogFormat, OverlongTextIsCutToTheEntryBuffer)
{
    std::tm t = At(2003, 8, 10, 1, 2, 3);
    std::string entry = BuildLogEntry(t, std::string(1000, 'x'));
    EXPECT_EQ(entry.size(), kLogEntryBuffer - 1);
    EXPECT_EQ(entry.substr(entry.size() - 3), "x\r\n");
}

class ActionLogFile : public ::testing::Test {
protected:
    std::tm now = At(2010, 4, 1, 9, 8, 7);
    ActionLog log{[this] { return now; }};
    // One file per test: ctest runs the tests of this fixture side by side.
    std::string path = TempPath(
        (std::string("kivet_action_log_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".log")
            .c_str());
    void TearDown() override { std::remove(path.c_str()); }
};

TEST_F(ActionLogFile, OffWritesNothingAndLeavesAnOldLogAlone)
{
    {
        std::ofstream old(path, std::ios::binary);
        old << "old log";
    }
    log.Write("Kill timers...");
    EXPECT_EQ(ReadFile(path), "old log");
}

TEST_F(ActionLogFile, StartReplacesAnOldLogAndEntriesAppend)
{
    {
        std::ofstream old(path, std::ios::binary);
        old << "old log that must disappear";
    }
    log.Start(path);
    log.Write("Kill timers...");
    now.tm_sec = 9;
    log.Write("Kill timers complete.");
    EXPECT_EQ(ReadFile(path), BuildLogHeader(At(2010, 4, 1, 9, 8, 7)) +
                                  BuildLogEntry(At(2010, 4, 1, 9, 8, 7), "Kill timers...") +
                                  BuildLogEntry(now, "Kill timers complete."));
}

TEST_F(ActionLogFile, DeletedFileLosesEntriesSilently)
{
    log.Start(path);
    std::remove(path.c_str());
    log.Write("Exit process.");
    std::FILE* f = std::fopen(path.c_str(), "rb");
    EXPECT_EQ(f, nullptr);
    if (f) std::fclose(f);
}

TEST_F(ActionLogFile, EntriesFromManyThreadsNeverInterleave)
{
    log.Start(path);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([this, t] {
            for (int i = 0; i < 50; ++i)
                log.Write("thread " + std::to_string(t) + " entry " + std::to_string(i));
        });
    for (auto& th : threads)
        th.join();

    std::string content = ReadFile(path);
    std::string header = BuildLogHeader(now);
    ASSERT_EQ(content.compare(0, header.size(), header), 0);
    // Every entry is whole: the body splits into 200 entries of the expected shape.
    std::size_t pos = header.size(), entries = 0;
    while (pos < content.size()) {
        std::size_t next = content.find("\r\n\r\n", pos + 2);
        std::string entry = content.substr(pos, next == std::string::npos ? std::string::npos : next + 2 - pos);
        ASSERT_EQ(entry.rfind("\r\n" + FormatLogTime(now) + "\r\nACTION: thread ", 0), 0u) << entry;
        ++entries;
        pos = next == std::string::npos ? content.size() : next + 2;
    }
    EXPECT_EQ(entries, 200u);
}

} // namespace
} // namespace kivet
