#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "messenger/transport/relay_client.h"
#include "tests/core/relay/memory_mailslot.h"
#include "tests/core/relay/relay_test_support.h"

namespace kivet {
namespace {

TEST(ServerGroupList, AddRefusesWhatTheListCannotHold)
{
    ServerGroupList list;
    EXPECT_TRUE(list.Add("SALES"));
    EXPECT_FALSE(list.Add("SALES"));
    EXPECT_FALSE(list.Add(""));
    EXPECT_TRUE(list.Add(std::string(19, 'G')));
    EXPECT_FALSE(list.Add(std::string(20, 'G')));
    EXPECT_EQ(list.Names().size(), 2u);
}

TEST(ServerGroupList, ContainsComparesExactly)
{
    ServerGroupList list;
    list.Add("SALES");
    EXPECT_TRUE(list.Contains("SALES"));
    EXPECT_FALSE(list.Contains("Sales"));
    EXPECT_FALSE(list.Contains("SALE"));
    EXPECT_FALSE(list.Contains(""));
}

TEST(ServerGroupList, ResetEmptiesTheList)
{
    ServerGroupList list;
    list.Add("A");
    list.Reset();
    EXPECT_TRUE(list.Names().empty());
    EXPECT_TRUE(list.Add("A"));
}

// The sending thread asks for a group while the main thread applies answers that reset the list
// and name that group again: it must never find the list in between, empty.
TEST(ServerGroupListConcurrency, ResettingAnswerNeverHidesAGroupStillNamed)
{
    ServerGroupList list;
    list.Add("SALES");
    std::atomic<bool> running{true};
    std::atomic<int> misses{0};
    std::thread sender([&] {
        while (running) {
            if (!list.Contains("SALES")) ++misses;
            const std::vector<std::string> names = list.Names();
            if (names.empty() || names.size() > kServerGroupListLimit) ++misses;
        }
    });

    MemoryMailslotReader reader;
    RelayTestCodec codec;
    for (int round = 0; round < 2000; ++round) {
        reader.queue.push_back(GroupAnswer(1, 3, {"staff" + std::to_string(round % 7), "sales", "it"}));
        ReadGroupLists(reader, list, codec);
    }
    running = false;
    sender.join();
    EXPECT_EQ(misses, 0);
}

} // namespace
} // namespace kivet
