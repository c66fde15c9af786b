// Joining fragmented datagrams: any order, and bounded memory and time against fragments that
// never complete or contradict each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "messenger/netbios/datagram_reassembly.h"
#include "messenger/netbios/name_text.h"

using namespace kivet;
using namespace kivet::nbt;

namespace {

DatagramPacket Whole(uint16_t id, std::size_t size, uint32_t address = 0x0A000002)
{
    DatagramPacket packet;
    packet.type = kDgmDirectGroup;
    packet.id = id;
    packet.sourceAddress = address;
    packet.source = *NameFromText("PC-BOB", 0);
    packet.destination = *NameFromText("OFFICE", 0);
    for (std::size_t i = 0; i < size; ++i)
        packet.userData.push_back(static_cast<uint8_t>(i));
    return packet;
}

} // namespace

TEST(DatagramReassembly, FragmentsJoinInAnyOrder)
{
    const DatagramPacket whole = Whole(1, 1300);
    auto fragments = FragmentDatagram(whole);
    ASSERT_EQ(fragments.size(), 3u);
    std::sort(fragments.begin(), fragments.end(), [](const auto& a, const auto& b) { return a.offset < b.offset; });
    do {
        DatagramReassembly joiner;
        std::optional<DatagramPacket> joined;
        for (std::size_t i = 0; i < fragments.size(); ++i) {
            joined = joiner.Add(fragments[i], 0);
            EXPECT_EQ(joined.has_value(), i + 1 == fragments.size());
        }
        ASSERT_TRUE(joined.has_value());
        EXPECT_EQ(joined->userData, whole.userData);
        EXPECT_EQ(joined->destination, whole.destination);
        EXPECT_EQ(joiner.PendingCount(), 0u);
        EXPECT_EQ(joiner.PendingBytes(), 0u);
    } while (std::next_permutation(fragments.begin(), fragments.end(),
                                   [](const auto& a, const auto& b) { return a.offset < b.offset; }));
}

TEST(DatagramReassembly, UnfragmentedDatagramPassesAtOnce)
{
    DatagramReassembly joiner;
    EXPECT_TRUE(joiner.Add(Whole(1, 10), 0).has_value());
    DatagramPacket odd = Whole(2, 10);
    odd.offset = 4; // a whole datagram cannot start inside itself
    EXPECT_FALSE(joiner.Add(odd, 0).has_value());
}

TEST(DatagramReassembly, IncompleteDatagramsExpire)
{
    DatagramReassembly joiner(ReassemblyLimits{16, 8192, 65536, 2000});
    const auto fragments = FragmentDatagram(Whole(1, 1000));
    EXPECT_FALSE(joiner.Add(fragments[0], 0).has_value());
    EXPECT_EQ(joiner.PendingCount(), 1u);
    joiner.Expire(1999);
    EXPECT_EQ(joiner.PendingCount(), 1u);
    EXPECT_FALSE(joiner.Add(fragments[1], 2000).has_value()); // too late: the first was dropped
    EXPECT_EQ(joiner.PendingCount(), 1u);                     // only the late one waits now
    joiner.Expire(4000);
    EXPECT_EQ(joiner.PendingCount(), 0u);
    EXPECT_EQ(joiner.PendingBytes(), 0u);
}

TEST(DatagramReassembly, ContradictingFragmentsDropTheDatagram)
{
    const auto fragments = FragmentDatagram(Whole(1, 1100));
    struct Case {
        const char* what;
        DatagramPacket second;
    };
    DatagramPacket overlap = fragments[1];
    overlap.offset = 500;
    DatagramPacket secondFirst = fragments[0];
    DatagramPacket pastLast = fragments[1];
    pastLast.offset = 2000;
    pastLast.flags = kDgmMoreFlag;
    for (const Case& c : {Case{"overlapping data", overlap}, Case{"a second first fragment", secondFirst}}) {
        SCOPED_TRACE(c.what);
        DatagramReassembly joiner;
        joiner.Add(fragments[0], 0);
        EXPECT_FALSE(joiner.Add(c.second, 0).has_value());
        EXPECT_EQ(joiner.PendingCount(), 0u);
        EXPECT_FALSE(joiner.Add(fragments[1], 0).has_value());
        EXPECT_FALSE(joiner.Add(fragments[2], 0).has_value());
    }
    DatagramReassembly joiner;
    joiner.Add(fragments[2], 0); // the last fragment sets the end at 1100
    EXPECT_FALSE(joiner.Add(pastLast, 0).has_value());
    EXPECT_EQ(joiner.PendingCount(), 0u);
}

TEST(DatagramReassembly, FloodOfFirstFragmentsStaysBounded)
{
    const ReassemblyLimits limits{16, 8192, 65536, 2000};
    DatagramReassembly joiner(limits);
    DatagramPacket first = FragmentDatagram(Whole(0, 1000))[0];
    for (uint32_t i = 0; i < 20000; ++i) {
        first.id = static_cast<uint16_t>(i);
        first.sourceAddress = 0x0A000000 + i;
        joiner.Add(first, i / 100);
        ASSERT_LE(joiner.PendingCount(), limits.maxPending);
        ASSERT_LE(joiner.PendingBytes(), limits.maxTotalBytes);
    }
    // One sender filling a single datagram past the size limit is refused too.
    DatagramReassembly single(limits);
    DatagramPacket huge = Whole(9, 512);
    huge.flags = kDgmMoreFlag;
    for (uint16_t offset = 512; offset < 60000; offset += 512) {
        huge.offset = offset;
        single.Add(huge, 0);
        ASSERT_LE(single.PendingBytes(), limits.maxDatagramSize);
    }
}
