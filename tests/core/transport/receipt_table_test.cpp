#include "messenger/transport/receipt_table.h"

#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "common/fixed_text.h"

namespace kivet {
namespace {

TEST(ReceiptTableContents, KeepsEachPairOnce)
{
    ReceiptTable table;
    EXPECT_TRUE(table.Add("Bob", "PC-BOB"));
    EXPECT_FALSE(table.Add("Bob", "PC-BOB"));
    EXPECT_TRUE(table.Add("Bob", "PC-LAPTOP"));
    EXPECT_TRUE(table.Add("bob", "PC-BOB"));
    ASSERT_EQ(table.Count(), 3u);
    const std::vector<ReceiptEntry> entries = table.Entries();
    EXPECT_EQ(FieldText(entries[0].senderName), "Bob");
    EXPECT_EQ(FieldText(entries[1].senderComputer), "PC-LAPTOP");
}

TEST(ReceiptTableContents, NamesAreCutToFifteenCharactersBeforeComparing)
{
    ReceiptTable table;
    EXPECT_TRUE(table.Add("ABCDEFGHIJKLMNOP", "COMPUTER-NAME-LONG"));
    EXPECT_FALSE(table.Add("ABCDEFGHIJKLMNOQ", "COMPUTER-NAME-LONGER"));
    const ReceiptEntry entry = table.Entries().at(0);
    EXPECT_EQ(FieldText(entry.senderName), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(FieldText(entry.senderComputer), "COMPUTER-NAME-L");
}

TEST(ReceiptTableContents, StopsAddingAtTenThousandEntries)
{
    ReceiptTable table;
    for (std::size_t i = 0; i < ReceiptTable::kCapacity; ++i)
        ASSERT_TRUE(table.Add("U" + std::to_string(i), "PC"));
    EXPECT_FALSE(table.Add("one-more", "PC"));
    EXPECT_EQ(table.Count(), 10000u);
    EXPECT_EQ(FieldText(table.Entries().back().senderName), "U9999");

    table.Clear();
    EXPECT_EQ(table.Count(), 0u);
    EXPECT_TRUE(table.Add("one-more", "PC"));
}

TEST(ReceiptTableContents, ConcurrentAddsKeepEveryDistinctPairOnce)
{
    ReceiptTable table;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&table] {
            for (int i = 0; i < 500; ++i)
                table.Add("U" + std::to_string(i), "PC");
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(table.Count(), 500u);
}

} // namespace
} // namespace kivet
