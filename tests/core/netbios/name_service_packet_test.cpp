// Name service packets: each kind this node sends, byte for byte where Windows's form is fixed,
// read back; and hostile packets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messenger/netbios/name_service_messages.h"
#include "messenger/netbios/name_service_packet.h"
#include "messenger/netbios/name_text.h"

using namespace kivet;
using namespace kivet::nbt;

namespace {

constexpr uint32_t kAddress = 0x0A0B0C0D; // 10.11.12.13

NetBiosName Name(const char* text, uint8_t suffix)
{
    return *NameFromText(text, suffix);
}

NameServicePacket RoundTrip(const NameServicePacket& packet)
{
    const std::vector<uint8_t> bytes = BuildNameServicePacket(packet);
    NameServicePacket back;
    EXPECT_TRUE(ParseNameServicePacket(bytes.data(), bytes.size(), back));
    return back;
}

uint16_t U16At(const std::vector<uint8_t>& bytes, std::size_t at)
{
    return static_cast<uint16_t>(bytes[at] << 8 | bytes[at + 1]);
}

} // namespace

TEST(NameServicePackets, BroadcastRegistrationAsWindowsSendsIt)
{
    const auto bytes = BuildNameServicePacket(MakeRegistration(0x1234, Name("PC-07", 0x00), false, kAddress, true));
    ASSERT_EQ(bytes.size(), 12u + 34 + 4 + 2 + 10 + 6);
    EXPECT_EQ(U16At(bytes, 0), 0x1234);
    EXPECT_EQ(U16At(bytes, 2), 0x2910); // registration, recursion desired, broadcast
    EXPECT_EQ(U16At(bytes, 4), 1);      // one question
    EXPECT_EQ(U16At(bytes, 10), 1);     // one additional record
    EXPECT_EQ(U16At(bytes, 50), 0xC00C); // the record's name points at the question's
    EXPECT_EQ(U16At(bytes, 52), kTypeNb);
    EXPECT_EQ(U16At(bytes, 56), 0x0004); // TTL 300000 = 0x000493E0
    EXPECT_EQ(U16At(bytes, 58), 0x93E0);
    EXPECT_EQ(U16At(bytes, 60), 6);
    EXPECT_EQ(U16At(bytes, 62), 0x0000); // unique, B-node
    EXPECT_EQ(U16At(bytes, 64), 0x0A0B);

    const NameServicePacket back = RoundTrip(MakeRegistration(7, Name("OFFICE", 0x1E), true, kAddress, true));
    ASSERT_EQ(back.additional.size(), 1u);
    EXPECT_EQ(back.additional[0].name, Name("OFFICE", 0x1E));
    EXPECT_EQ(back.additional[0].addresses[0].flags, kNbGroup);
    EXPECT_EQ(back.additional[0].addresses[0].address, kAddress);
}

TEST(NameServicePackets, HeaderFlagsOfEachKind)
{
    const NetBiosName name = Name("PC-07", 0x03);
    struct Case {
        const char* what;
        NameServicePacket packet;
        uint16_t flags;
    } cases[] = {
        {"broadcast query", MakeNameQuery(1, name, true), 0x0110},
        {"unicast query", MakeNameQuery(1, name, false), 0x0100},
        {"node status request", MakeNodeStatusRequest(1, WildcardName()), 0x0000},
        {"unicast registration", MakeRegistration(1, name, false, kAddress, false), 0x2900},
        {"overwrite demand", MakeOverwriteDemand(1, name, false, kAddress), 0x2810},
        {"broadcast release", MakeRelease(1, name, false, kAddress, true), 0x3010},
        {"positive query response", MakePositiveQueryResponse(1, name, false, kAddress), 0x8500},
        {"negative registration response", MakeNegativeRegistrationResponse(1, name, false, kAddress), 0xAD86},
        {"node status response", MakeNodeStatusResponse(1, WildcardName(), {}, {}), 0x8400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(U16At(BuildNameServicePacket(c.packet), 2), c.flags);
        EXPECT_EQ(RoundTrip(c.packet).flags, c.flags);
    }
}

TEST(NameServicePackets, NodeStatusResponseCarriesNamesFlagsAndMac)
{
    const std::vector<NodeStatusName> names = {
        {Name("PC-07", 0x00), kStatusActive},
        {Name("OFFICE", 0x00), kStatusGroup | kStatusActive},
        {Name("AUTOANSWERMODE", 0x11), kStatusGroup | kStatusActive},
    };
    const std::array<uint8_t, 6> mac = {0x00, 0x16, 0x3E, 0x01, 0x02, 0x03};
    const auto bytes = BuildNameServicePacket(MakeNodeStatusResponse(9, WildcardName(), names, mac));
    // header, name, type, class, TTL, RDLENGTH, then the count, 18 bytes per name and statistics
    EXPECT_EQ(U16At(bytes, 12 + 34 + 8), 1 + 3 * 18 + kStatisticsSize);
    EXPECT_EQ(bytes.size(), 12u + 34 + 10 + 1 + 3 * 18 + kStatisticsSize);

    NameServicePacket back;
    ASSERT_TRUE(ParseNameServicePacket(bytes.data(), bytes.size(), back));
    ASSERT_EQ(back.answers.size(), 1u);
    const NsRecord& record = back.answers[0];
    EXPECT_EQ(record.type, kTypeNodeStatus);
    ASSERT_EQ(record.statusNames.size(), 3u);
    EXPECT_EQ(record.statusNames[1].name, Name("OFFICE", 0x00));
    EXPECT_EQ(record.statusNames[1].flags, 0x8400);
    EXPECT_EQ(record.statusNames[2].name, Name("AUTOANSWERMODE", 0x11));
    EXPECT_EQ(record.unitId, mac);
}

TEST(NameServicePackets, HostilePacketsAreRefused)
{
    const auto good = BuildNameServicePacket(MakePositiveQueryResponse(3, Name("PC-07", 0x03), false, kAddress));
    std::vector<std::vector<uint8_t>> cases;
    for (std::size_t cut = 0; cut < good.size(); ++cut)
        cases.emplace_back(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut)); // every truncation

    auto lengthPastEnd = good;
    lengthPastEnd[12 + 34 + 8 + 1] = 7; // RDLENGTH 7: one byte past the end, and not a multiple of 6
    cases.push_back(lengthPastEnd);

    auto oddNbLength = good;
    oddNbLength[12 + 34 + 8 + 1] = 5; // 5 bytes of NB data: not a whole entry
    cases.push_back(oddNbLength);

    auto manyRecords = good;
    manyRecords[6] = 0xFF; // 65280 answers announced
    cases.push_back(manyRecords);

    auto countTooHigh = BuildNameServicePacket(MakeNodeStatusResponse(1, WildcardName(), {{Name("A", 0), 0}}, {}));
    countTooHigh[12 + 34 + 10] = 200; // 200 names announced, one present
    countTooHigh.resize(12 + 34 + 10 + 1 + 18 + 6);
    countTooHigh[12 + 34 + 8 + 1] = 1 + 18 + 6;
    cases.push_back(countTooHigh);

    for (std::size_t i = 0; i < cases.size(); ++i) {
        NameServicePacket packet;
        EXPECT_FALSE(ParseNameServicePacket(cases[i].data(), cases[i].size(), packet)) << "case " << i;
    }
}

TEST(NameServicePackets, WackAndUnknownRecordTypesKeepTheirData)
{
    NameServicePacket wack;
    wack.id = 5;
    wack.flags = NsFlags(true, kOpWack, kNsAuthoritative);
    NsRecord record;
    record.name = Name("PC-07", 0x00);
    record.type = kTypeNb;
    record.ttl = 20;
    wack.answers.push_back(record);
    NsRecord other;
    other.name = Name("PC-07", 0x00);
    other.type = 0x000A; // NULL
    other.rawData = {0x29, 0x10};
    wack.additional.push_back(other);

    const NameServicePacket back = RoundTrip(wack);
    EXPECT_EQ(back.Opcode(), kOpWack);
    EXPECT_EQ(back.answers[0].ttl, 20u);
    EXPECT_EQ(back.additional[0].rawData, other.rawData);
}
