// Datagram service packets and mailslot transactions inside them: the layout as built, read
// back, fragmentation, and hostile packets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messenger/netbios/datagram_packet.h"
#include "messenger/netbios/mailslot_path.h"
#include "messenger/netbios/mailslot_transaction.h"
#include "messenger/netbios/name_text.h"

using namespace kivet;
using namespace kivet::nbt;

namespace {

DatagramPacket Sample(std::size_t dataSize)
{
    DatagramPacket packet;
    packet.type = kDgmDirectUnique;
    packet.id = 0x4242;
    packet.sourceAddress = 0xC0A80A02;
    packet.source = *NameFromText("PC-BOB", 0x00);
    packet.destination = *NameFromText("JSMITH", 0x03);
    for (std::size_t i = 0; i < dataSize; ++i)
        packet.userData.push_back(static_cast<uint8_t>(i * 7));
    return packet;
}

std::vector<uint8_t> Text(std::string_view text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

uint16_t Le16At(const std::vector<uint8_t>& bytes, std::size_t at)
{
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

} // namespace

TEST(DatagramPackets, DirectUniqueRoundTripAndLengthField)
{
    const DatagramPacket packet = Sample(100);
    const auto bytes = BuildDatagramPacket(packet);
    ASSERT_EQ(bytes.size(), kDgmHeaderSize + 2 * 34 + 100);
    EXPECT_EQ(bytes[0], kDgmDirectUnique);
    EXPECT_EQ(bytes[1], kDgmFirstFlag);
    EXPECT_EQ(bytes[10] << 8 | bytes[11], 2 * 34 + 100); // DGM_LENGTH: names and data
    EXPECT_EQ(bytes[8] << 8 | bytes[9], 138);

    DatagramPacket back;
    ASSERT_TRUE(ParseDatagramPacket(bytes.data(), bytes.size(), back));
    EXPECT_EQ(back.source, packet.source);
    EXPECT_EQ(back.destination, packet.destination);
    EXPECT_EQ(back.userData, packet.userData);
    EXPECT_EQ(back.sourceAddress, packet.sourceAddress);
    EXPECT_EQ(back.id, packet.id);
}

TEST(DatagramPackets, ErrorPacket)
{
    DatagramPacket error;
    error.type = kDgmError;
    error.id = 7;
    error.errorCode = kDgmErrorNameNotPresent;
    const auto bytes = BuildDatagramPacket(error);
    ASSERT_EQ(bytes.size(), 11u);
    DatagramPacket back;
    ASSERT_TRUE(ParseDatagramPacket(bytes.data(), bytes.size(), back));
    EXPECT_EQ(back.errorCode, kDgmErrorNameNotPresent);
}

TEST(DatagramPackets, HostilePacketsAreRefused)
{
    const auto good = BuildDatagramPacket(Sample(20));
    for (std::size_t cut = 0; cut < kDgmHeaderSize + 2 * 34; ++cut) {
        DatagramPacket packet;
        EXPECT_FALSE(ParseDatagramPacket(good.data(), cut, packet)) << cut;
    }
    auto lengthPastEnd = good;
    lengthPastEnd[11] += 1;
    auto lengthShorterThanNames = good;
    lengthShorterThanNames[10] = 0;
    lengthShorterThanNames[11] = 40;
    auto unknownType = good;
    unknownType[0] = 0x20;
    for (const auto& bytes : {lengthPastEnd, lengthShorterThanNames, unknownType}) {
        DatagramPacket packet;
        EXPECT_FALSE(ParseDatagramPacket(bytes.data(), bytes.size(), packet));
    }
}

TEST(DatagramPackets, LongDataTravelsInFragmentsOfAtMost512)
{
    const auto fragments = FragmentDatagram(Sample(1100));
    ASSERT_EQ(fragments.size(), 3u);
    EXPECT_EQ(fragments[0].flags, kDgmFirstFlag | kDgmMoreFlag);
    EXPECT_EQ(fragments[1].flags, kDgmMoreFlag);
    EXPECT_EQ(fragments[2].flags, 0);
    EXPECT_EQ(fragments[1].offset, 512);
    EXPECT_EQ(fragments[2].offset, 1024);
    EXPECT_EQ(fragments[2].userData.size(), 76u);

    const auto single = FragmentDatagram(Sample(512));
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0].flags, kDgmFirstFlag);
    EXPECT_EQ(FragmentDatagram(Sample(0)).size(), 1u);
}

TEST(MailslotTransaction, LayoutOfAWrite)
{
    const auto data = Text("Bob\0Jsmith\0hello\0");
    const auto bytes = BuildMailslotTransaction("\\MAILSLOT\\messngr", data.data(), data.size());
    const std::size_t dataOffset = 69 + 18;
    ASSERT_EQ(bytes.size(), dataOffset + data.size());
    EXPECT_EQ(bytes[4], kSmbCommandTransaction);
    EXPECT_EQ(bytes[32], 17);                      // word count
    EXPECT_EQ(Le16At(bytes, 35), data.size());     // total data count
    EXPECT_EQ(Le16At(bytes, 55), data.size());     // data count
    EXPECT_EQ(Le16At(bytes, 57), dataOffset);      // data offset
    EXPECT_EQ(bytes[59], 3);                       // setup count
    EXPECT_EQ(Le16At(bytes, 61), 1);               // write mail slot
    EXPECT_EQ(Le16At(bytes, 63), 1);               // priority
    EXPECT_EQ(Le16At(bytes, 65), 2);               // class 2
    EXPECT_EQ(Le16At(bytes, 67), 18 + data.size()); // name and data
    EXPECT_EQ(std::string(bytes.begin() + 69, bytes.begin() + 86), "\\MAILSLOT\\messngr");

    MailslotWrite write;
    ASSERT_TRUE(ParseMailslotTransaction(bytes.data(), bytes.size(), write));
    EXPECT_EQ(write.mailslotName, "\\MAILSLOT\\messngr");
    EXPECT_EQ(std::vector<uint8_t>(write.data, write.data + write.size), data);
}

TEST(MailslotTransaction, HostileOffsetsAndCountsAreRefused)
{
    const auto data = Text("hello");
    const auto good = BuildMailslotTransaction("\\MAILSLOT\\messngr", data.data(), data.size());
    struct Case {
        const char* what;
        std::size_t at;
        uint8_t value;
    } cases[] = {
        {"data offset past the end", 57, 200},
        {"data offset inside the name", 57, 75},
        {"data offset before the name", 57, 10},
        {"data count past the end", 55, 6},
        {"total differs from count (a second part would follow)", 35, 9},
        {"byte count past the end", 67, 250},
        {"not a write", 61, 2},
        {"word count", 32, 14},
        {"setup count", 59, 2},
        {"not a transaction", 4, 0x32},
        {"not SMB", 1, 'X'},
        {"name not below \\MAILSLOT\\", 70, 'P'},
        {"name without terminator (byte count ends inside it)", 67, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto bytes = good;
        bytes[c.at] = c.value;
        MailslotWrite write;
        EXPECT_FALSE(ParseMailslotTransaction(bytes.data(), bytes.size(), write));
    }
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        MailslotWrite write;
        EXPECT_FALSE(ParseMailslotTransaction(good.data(), cut, write)) << cut;
    }
}

TEST(MailslotPath, OnlyPlainNamesBelowMailslotAreAccepted)
{
    EXPECT_EQ(MailslotLeaf("\\mailslot\\messngr").value_or("-"), "messngr");
    EXPECT_EQ(MailslotLeaf("\\MAILSLOT\\kivet\\group").value_or("-"), "kivet\\group");
    EXPECT_EQ(WireMailslotName("kivet\\autoanswer"), "\\MAILSLOT\\kivet\\autoanswer");
    for (const char* bad : {"\\mailslot\\", "\\mailslot\\..\\..\\windows\\win.ini", "\\mailslot\\a\\..\\b",
                            "\\mailslot\\.", "\\mailslot\\a\\\\b", "\\mailslot\\a\\", "\\mailslot\\c:x",
                            "\\mailslot\\a/b", "\\mailslot\\a b", "\\mailslot\\a\x01", "\\pipe\\x", "mailslot\\x",
                            "\\mailslot\\a*", "\\mailslot\\x\xE9"}) {
        EXPECT_FALSE(MailslotLeaf(bad).has_value()) << bad;
    }
    EXPECT_FALSE(MailslotLeaf("\\mailslot\\" + std::string(201, 'a')).has_value());
    EXPECT_TRUE(MailslotLeaf("\\mailslot\\" + std::string(200, 'a')).has_value());
}
