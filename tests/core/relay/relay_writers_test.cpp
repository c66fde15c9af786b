#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "messenger/transport/relay_client.h"
#include "tests/core/relay/memory_mailslot.h"

namespace kivet {
namespace {

struct WriterCase {
    const char* name;
    std::function<bool(MailslotWriter&, std::string_view server)> send;
};

const WriterCase kWriters[] = {
    {"group-list request",
     [](MailslotWriter& w, std::string_view s) { return RequestGroupList(w, s, "JSMITH", "PC-07"); }},
    {"offline request",
     [](MailslotWriter& w, std::string_view s) { return RequestOfflineMessages(w, s, "JSMITH", "PC-07"); }},
    {"offline store", [](MailslotWriter& w, std::string_view s) { return StoreOffline(w, s, "Jsmith", "ADOE", "hi"); }},
};

TEST(RelayWriters, ServerThatCannotBeOpenedGivesFailure)
{
    for (const WriterCase& c : kWriters) {
        SCOPED_TRACE(c.name);
        RecordingMailslotWriter writer;
        writer.refused.insert("RELAY01");
        EXPECT_FALSE(c.send(writer, "RELAY01"));
        EXPECT_EQ(writer.attempts, 1);
        EXPECT_TRUE(writer.written.empty());
    }
}

TEST(RelayWriters, EmptyServerNameIsNotWrittenTo)
{
    for (const WriterCase& c : kWriters) {
        SCOPED_TRACE(c.name);
        RecordingMailslotWriter writer;
        EXPECT_FALSE(c.send(writer, ""));
        EXPECT_EQ(writer.attempts, 0);
    }
}

TEST(RelayWriters, ReachableServerGetsOneDatagram)
{
    for (const WriterCase& c : kWriters) {
        SCOPED_TRACE(c.name);
        RecordingMailslotWriter writer;
        writer.refused.insert("OTHER");
        EXPECT_TRUE(c.send(writer, "RELAY01"));
        ASSERT_EQ(writer.written.size(), 1u);
        EXPECT_EQ(writer.written[0].target, "RELAY01");
    }
}

} // namespace
} // namespace kivet
