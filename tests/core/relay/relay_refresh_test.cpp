#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messenger/transport/relay_client.h"
#include "tests/core/relay/memory_mailslot.h"
#include "tests/core/relay/relay_test_support.h"

namespace kivet {
namespace {

// The ticks (1-based, counted from the first) on which a refresh was due.
std::vector<int> DueTicks(RelayRefresh& refresh, int ticks, bool useServer)
{
    std::vector<int> due;
    for (int tick = 1; tick <= ticks; ++tick)
        if (refresh.OnMinuteTick(useServer)) due.push_back(tick);
    return due;
}

TEST(RelayRefresh, DueAfter62MinutesThenEvery61)
{
    RelayRefresh refresh;
    refresh.OnStartup();
    EXPECT_EQ(DueTicks(refresh, 200, true), (std::vector<int>{62, 123, 184}));
}

TEST(RelayRefresh, NeverDueWithoutTheServer)
{
    RelayRefresh refresh;
    EXPECT_TRUE(DueTicks(refresh, 500, false).empty());
}

// The counter keeps its hourly round while the server is off; switching it on waits for the
// next round instead of refreshing at once.
TEST(RelayRefresh, CounterRunsWhileTheServerIsOff)
{
    RelayRefresh refresh;
    EXPECT_TRUE(DueTicks(refresh, 100, false).empty());
    EXPECT_EQ(DueTicks(refresh, 100, true), (std::vector<int>{23, 84}));
}

TEST(RelayRefresh, StartupRestartsTheCount)
{
    RelayRefresh refresh;
    DueTicks(refresh, 30, true);
    refresh.OnStartup();
    EXPECT_EQ(DueTicks(refresh, 70, true), (std::vector<int>{62}));
}

class RelaySchedule : public ::testing::Test {
protected:
    RecordingMailslotWriter writer;
    MemoryMailslotReader reader;
    ServerGroupList list;
    RelayTestCodec codec;
    RelayRefresh refresh;
    const RelayIdentity identity{"RELAY01", "JSMITH", "PC-07"};

    std::vector<std::string> Paths() const
    {
        std::vector<std::string> paths;
        for (const WrittenDatagram& d : writer.written)
            paths.push_back(d.path);
        return paths;
    }
    void Minutes(int count, bool useServer)
    {
        for (int i = 0; i < count; ++i)
            RunRelayMinute(useServer, identity, refresh, reader, list, codec, writer);
    }
};

TEST_F(RelaySchedule, StartupAsksForGroupsAndOfflineMessages)
{
    StartRelayClient(true, true, identity, writer, refresh);
    EXPECT_EQ(Paths(), (std::vector<std::string>{"\\mailslot\\kgserver", "\\mailslot\\kmserver"}));
    EXPECT_EQ(writer.written[0].target, "RELAY01");
}

TEST_F(RelaySchedule, WithoutTheClientMailslotOnlyOfflineMessagesAreRequested)
{
    Minutes(40, true);
    StartRelayClient(true, false, identity, writer, refresh);
    EXPECT_EQ(Paths(), (std::vector<std::string>{"\\mailslot\\kmserver"}));
    writer.written.clear();
    Minutes(22, true); // the counter was not restarted: due on the 62nd minute overall
    EXPECT_EQ(Paths(), (std::vector<std::string>{"\\mailslot\\kmserver"}));
}

TEST_F(RelaySchedule, WithoutTheServerNothingIsEverSent)
{
    reader.queue.push_back(GroupAnswer(0, 1, {"sales"}));
    StartRelayClient(false, true, identity, writer, refresh);
    Minutes(500, false);
    EXPECT_EQ(writer.attempts, 0);
    EXPECT_EQ(reader.reads, 0);
    EXPECT_TRUE(list.Names().empty());
}

TEST_F(RelaySchedule, RefreshReadsAnswersAndRequestsOfflineMessages)
{
    StartRelayClient(true, true, identity, writer, refresh);
    writer.written.clear();
    reader.queue.push_back(GroupAnswer(1, 1, {"sales"}));
    Minutes(61, true);
    EXPECT_TRUE(writer.written.empty());
    EXPECT_EQ(reader.reads, 0);
    Minutes(1, true);
    EXPECT_EQ(Paths(), (std::vector<std::string>{"\\mailslot\\kmserver"}));
    EXPECT_TRUE(list.Contains("SALES"));
}

// The minute timer runs only while scanning is on; without its ticks the offline messages are
// requested at start-up alone, however often the answers are read.
TEST_F(RelaySchedule, WithoutMinuteTicksOfflineMessagesAreRequestedOnce)
{
    StartRelayClient(true, true, identity, writer, refresh);
    for (int i = 0; i < 2000; ++i)
        ReadGroupLists(reader, list, codec);
    EXPECT_EQ(Paths(), (std::vector<std::string>{"\\mailslot\\kgserver", "\\mailslot\\kmserver"}));
}

} // namespace
} // namespace kivet
