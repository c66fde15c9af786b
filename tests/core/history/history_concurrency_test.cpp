// Appends from several threads at once (the receiving, sending and secure threads): every entry
// is whole, none interleaves with another, and the closing block is written once, at the end.
// Also run under ThreadSanitizer; the in-memory files take no lock of their own, so any access
// outside the writer's lock shows as a race.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "messenger/history/history_writer.h"
#include "tests/fakes/memory_history_files.h"
#include "tests/fakes/memory_registry.h"

namespace kivet {
namespace {

TEST(HistoryConcurrency, AppendsFromManyThreadsNeverInterleave)
{
    testing::MemoryHistoryFiles files;
    testing::MemoryRegistry registry;
    HistoryWriter writer(files, registry, [] { return LocalTime{2024, 3, 5, 12, 0, 0}; },
                         HistoryOwner{"C:\\K\\", "U", "C"}, "U");
    constexpr int kThreads = 6;
    constexpr int kEach = 40;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&writer, t] {
            for (int i = 0; i < kEach; ++i) {
                std::string text = "thread " + std::to_string(t) + " message " + std::to_string(i) + " " +
                                   std::string(200 + 37 * i, 'a' + t);
                writer.AppendHistory({"Sender", "Me", text, (i % 2) == 0});
            }
        });
    }
    for (std::thread& t : threads)
        t.join();

    const std::string& file = files.files["C:\\K\\History\\U.html"];
    std::string closing(kHistoryClosingBlock);
    EXPECT_EQ(file.find(closing), file.size() - closing.size());
    EXPECT_EQ(file.find("<html>"), 0u);
    EXPECT_EQ(file.rfind("<html>"), 0u);
    // Every entry is one unbroken block: its text runs from the mess div to the entry's end.
    for (int t = 0; t < kThreads; ++t) {
        for (int i = 0; i < kEach; ++i) {
            std::string body = "<div class=\"mess\">thread " + std::to_string(t) + " message " + std::to_string(i) +
                               " " + std::string(200 + 37 * i, 'a' + t) + "\r\n</div></td></tr>\r\n</table>\r\n";
            std::size_t at = file.find(body);
            ASSERT_NE(at, std::string::npos) << t << "/" << i;
            EXPECT_EQ(file.find(body, at + 1), std::string::npos);
        }
    }
    std::size_t entries = 0;
    for (std::size_t p = file.find("<div class=\"mess\">"); p != std::string::npos;
         p = file.find("<div class=\"mess\">", p + 1))
        ++entries;
    EXPECT_EQ(entries, static_cast<std::size_t>(kThreads * kEach));
}

} // namespace
} // namespace kivet
