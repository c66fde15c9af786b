#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messenger/transport/relay_client.h"
#include "messenger/transport/relay_datagrams.h"
#include "tests/core/relay/memory_mailslot.h"

namespace kivet {
namespace {

std::vector<uint8_t> Expected(std::size_t size, std::initializer_list<std::pair<std::size_t, std::string>> fields)
{
    std::vector<uint8_t> bytes(size, 0);
    for (const auto& field : fields)
        for (std::size_t i = 0; i < field.second.size(); ++i)
            bytes[field.first + i] = static_cast<uint8_t>(field.second[i]);
    return bytes;
}

const WrittenDatagram& OnlyDatagram(const RecordingMailslotWriter& writer)
{
    EXPECT_EQ(writer.written.size(), 1u);
    return writer.written.at(0);
}

TEST(RelayDatagrams, GroupListRequestBytes)
{
    RecordingMailslotWriter writer;
    ASSERT_TRUE(RequestGroupList(writer, "RELAY01", "JSMITH", "PC-07"));
    const WrittenDatagram& sent = OnlyDatagram(writer);
    EXPECT_EQ(sent.target, "RELAY01");
    EXPECT_EQ(sent.path, "\\mailslot\\kgserver");
    EXPECT_EQ(sent.bytes, Expected(420, {{8, "JSMITH"}, {24, "PC-07"}}));
}

TEST(RelayDatagrams, OfflineRequestBytes)
{
    RecordingMailslotWriter writer;
    ASSERT_TRUE(RequestOfflineMessages(writer, "RELAY01", "JSMITH", "PC-07"));
    const WrittenDatagram& sent = OnlyDatagram(writer);
    EXPECT_EQ(sent.target, "RELAY01");
    EXPECT_EQ(sent.path, "\\mailslot\\kmserver");
    EXPECT_EQ(sent.bytes, Expected(340, {{0, "\x01"}, {4, "JSMITH"}, {24, "PC-07"}}));
}

TEST(RelayDatagrams, OfflineStoreBytes)
{
    RecordingMailslotWriter writer;
    ASSERT_TRUE(StoreOffline(writer, "RELAY01", "Jsmith", "ADOE", "see you at 5"));
    const WrittenDatagram& sent = OnlyDatagram(writer);
    EXPECT_EQ(sent.path, "\\mailslot\\kmserver");
    EXPECT_EQ(sent.bytes, Expected(340, {{4, "Jsmith"}, {24, "ADOE"}, {40, "see you at 5"}}));
}

// ANSI text travels as it is: a byte above 127 is neither converted nor case-changed.
TEST(RelayDatagrams, TextTravelsUnconverted)
{
    const std::string name = "\xC0\xE9\xF1";
    const RelayOfflineDatagram store = BuildOfflineStore(name, name, name);
    EXPECT_EQ(std::string(store.name), name);
    EXPECT_EQ(std::string(store.peerName), name);
    EXPECT_EQ(std::string(store.text), name);
}

struct CutCase {
    const char* name;
    std::size_t length;   // of the value handed in
    std::size_t expected; // characters that land in the field
};

TEST(RelayDatagrams, NamesAreCutToTheirFields)
{
    // 16-byte name fields hold 15 characters, the 20-byte ones 19.
    const CutCase sixteen[] = {{"15", 15, 15}, {"16", 16, 15}, {"40", 40, 15}};
    const CutCase twenty[] = {{"19", 19, 19}, {"20", 20, 19}, {"40", 40, 19}};
    for (const CutCase& c : sixteen) {
        SCOPED_TRACE(c.name);
        const std::string value(c.length, 'N');
        const RelayGroupListRequest request = BuildGroupListRequest(value, value);
        EXPECT_EQ(std::string(request.userName), value.substr(0, c.expected));
        EXPECT_EQ(std::string(request.computerName), value.substr(0, c.expected));
        const RelayOfflineDatagram offline = BuildOfflineRequest("", value);
        EXPECT_EQ(std::string(offline.peerName), value.substr(0, c.expected));
        EXPECT_EQ(offline.text[0], '\0');
    }
    for (const CutCase& c : twenty) {
        SCOPED_TRACE(c.name);
        const std::string value(c.length, 'N');
        EXPECT_EQ(std::string(BuildOfflineRequest(value, "").name), value.substr(0, c.expected));
        EXPECT_EQ(std::string(BuildOfflineStore(value, "", "").name), value.substr(0, c.expected));
        EXPECT_EQ(BuildOfflineRequest(value, "").peerName[0], '\0');
    }
}

TEST(RelayDatagrams, OfflineTextIsBoundedTo260Characters)
{
    const CutCase cases[] = {{"259", 259, 259}, {"260", 260, 260}, {"261", 261, 260}, {"5000", 5000, 260}};
    for (const CutCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text(c.length, 't');
        text.back() = 'z';
        const RelayOfflineDatagram store = BuildOfflineStore("Jsmith", "ADOE", text);
        EXPECT_EQ(std::string(store.text), text.substr(0, c.expected));
        for (std::size_t i = c.expected; i < sizeof(store.text); ++i)
            ASSERT_EQ(store.text[i], '\0') << i;
    }
}

} // namespace
} // namespace kivet
