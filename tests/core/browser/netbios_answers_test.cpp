// The NCBASTAT and NCBFINDNAME answer readers against well-formed and hostile buffers.
#include "messenger/browser/netbios_answers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace kivet {
namespace {

using AS = AdapterStatusLayout;
using FN = FindNameLayout;

// An adapter-status answer announcing `announced` names and holding `held` entries.
std::vector<uint8_t> StatusAnswer(uint16_t announced, std::size_t held)
{
    std::vector<uint8_t> data(AS::kHeaderSize + held * AS::kEntrySize, 0);
    const uint8_t mac[6] = {0x00, 0x50, 0x56, 0xC0, 0x00, 0x08};
    std::memcpy(data.data() + AS::kMacAddress, mac, 6);
    data[AS::kNameCount] = static_cast<uint8_t>(announced);
    data[AS::kNameCount + 1] = static_cast<uint8_t>(announced >> 8);
    for (std::size_t i = 0; i < held; ++i) {
        uint8_t* entry = data.data() + AS::kHeaderSize + i * AS::kEntrySize;
        std::memset(entry, ' ', 15);
        entry[0] = static_cast<uint8_t>('A' + i % 26);
        entry[15] = 0x03;
        entry[AS::kEntryNumber] = static_cast<uint8_t>(i + 1);
        entry[AS::kEntryFlags] = 0x04;
    }
    return data;
}

TEST(AdapterStatusAnswer, WholeAnswerOfTwentyNames)
{
    const std::vector<uint8_t> data = StatusAnswer(20, 20);
    ASSERT_EQ(data.size(), kAdapterStatusBufferSize);
    AdapterStatus status;
    ASSERT_TRUE(ReadAdapterStatusAnswer(data.data(), data.size(), status));
    EXPECT_EQ(status.mac, (std::array<uint8_t, 6>{0x00, 0x50, 0x56, 0xC0, 0x00, 0x08}));
    ASSERT_EQ(status.names.size(), 20u);
    EXPECT_EQ(status.names[19].name[0], 'T');
    EXPECT_EQ(status.names[19].name[15], 0x03);
    EXPECT_EQ(status.names[19].number, 20);
    EXPECT_EQ(status.names[19].flags, 0x04);
}

TEST(AdapterStatusAnswer, HostileCountsReadOnlyWhatArrived)
{
    AdapterStatus status;
    // Announces 65535 names in a full buffer: only the 20 that fit are read.
    std::vector<uint8_t> data = StatusAnswer(0xFFFF, 20);
    ASSERT_TRUE(ReadAdapterStatusAnswer(data.data(), data.size(), status));
    EXPECT_EQ(status.names.size(), 20u);
    // Announces 5 but the answer stops in the middle of the third entry.
    data = StatusAnswer(5, 5);
    ASSERT_TRUE(ReadAdapterStatusAnswer(data.data(), AS::kHeaderSize + 2 * AS::kEntrySize + 7, status));
    EXPECT_EQ(status.names.size(), 2u);
    // Announces fewer than it holds: the count rules.
    data = StatusAnswer(1, 3);
    ASSERT_TRUE(ReadAdapterStatusAnswer(data.data(), data.size(), status));
    EXPECT_EQ(status.names.size(), 1u);
}

TEST(AdapterStatusAnswer, TooShortForTheHeaderIsNoAnswer)
{
    const std::vector<uint8_t> data = StatusAnswer(3, 3);
    AdapterStatus status;
    status.names.resize(4);
    EXPECT_FALSE(ReadAdapterStatusAnswer(data.data(), AS::kHeaderSize - 1, status));
    EXPECT_TRUE(status.names.empty()) << "a failed read leaves nothing of an earlier answer";
    EXPECT_FALSE(ReadAdapterStatusAnswer(nullptr, 420, status));
    EXPECT_FALSE(ReadAdapterStatusAnswer(data.data(), 0, status));
    ASSERT_TRUE(ReadAdapterStatusAnswer(data.data(), AS::kHeaderSize, status)) << "a header alone lists no names";
    EXPECT_TRUE(status.names.empty());
}

std::vector<uint8_t> FindAnswer(uint16_t nodes, std::size_t entries)
{
    std::vector<uint8_t> data(FN::kHeaderSize + entries * FN::kEntrySize, 0);
    data[FN::kNodeCount] = static_cast<uint8_t>(nodes);
    data[FN::kNodeCount + 1] = static_cast<uint8_t>(nodes >> 8);
    for (std::size_t i = 0; i < entries; ++i) {
        uint8_t* source = data.data() + FN::kHeaderSize + i * FN::kEntrySize + FN::kEntrySourceAddress;
        const uint8_t address[6] = {0, 0, 10, 0, 0, static_cast<uint8_t>(7 + i)};
        std::memcpy(source, address, 6);
    }
    return data;
}

TEST(FindNameAnswer, FirstNodesSourceAddress)
{
    const std::vector<uint8_t> data = FindAnswer(2, 2);
    std::array<uint8_t, 6> source{};
    ASSERT_TRUE(ReadFindNameAnswer(data.data(), data.size(), source));
    EXPECT_EQ(source, (std::array<uint8_t, 6>{0, 0, 10, 0, 0, 7}));
}

TEST(FindNameAnswer, HostileAnswersAreNotFound)
{
    std::array<uint8_t, 6> source{};
    std::vector<uint8_t> data = FindAnswer(0, 1);
    EXPECT_FALSE(ReadFindNameAnswer(data.data(), data.size(), source)) << "no node answered";
    data = FindAnswer(3, 1);
    EXPECT_FALSE(ReadFindNameAnswer(data.data(), FN::kHeaderSize + FN::kEntrySize - 1, source))
        << "the first entry is cut";
    EXPECT_FALSE(ReadFindNameAnswer(data.data(), 2, source));
    EXPECT_FALSE(ReadFindNameAnswer(nullptr, kFindNameBufferSize, source));
    data = FindAnswer(0xFFFF, 1);
    ASSERT_TRUE(ReadFindNameAnswer(data.data(), data.size(), source)) << "only the first entry is read";
    EXPECT_EQ(source[5], 7);
}

} // namespace
} // namespace kivet
