#include "secure/key_table.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace kivet::secure {
namespace {

using Key = std::array<uint8_t, kTableKeySize>;
using AddResult = KeyTable::AddResult;

Key KeyOf(uint32_t n)
{
    Key key{};
    for (std::size_t i = 0; i < key.size(); ++i)
        key[i] = static_cast<uint8_t>((n >> (8 * (i % 4))) + 31 * i);
    return key;
}

std::string NameOf(int n)
{
    return "PC-" + std::to_string(n);
}

void Fill(KeyTable& table)
{
    for (int n = 0; n < static_cast<int>(kKeyTableEntries); ++n)
        ASSERT_EQ(table.Add(NameOf(n).c_str(), KeyOf(n).data()), AddResult::Stored) << n;
}

// ---------------------------------------------------------------------------------------------

TEST(KeyTableFetch, LowerCaseAddIsFoundByUpperCaseGetExactlyOnce)
{
    KeyTable table;
    EXPECT_EQ(table.Add("alice-pc", KeyOf(1).data()), AddResult::Stored);
    Key got{};
    ASSERT_TRUE(table.Get("ALICE-PC", got.data()));
    EXPECT_EQ(got, KeyOf(1));
    EXPECT_FALSE(table.Get("ALICE-PC", got.data()));
    EXPECT_FALSE(table.Get("alice-pc", got.data()));
}

TEST(KeyTableFetch, SecondAddOfANameReplacesItsKey)
{
    KeyTable table;
    EXPECT_EQ(table.Add("Bob", KeyOf(1).data()), AddResult::Stored);
    EXPECT_EQ(table.Add("BOB", KeyOf(2).data()), AddResult::Replaced);
    Key got{};
    ASSERT_TRUE(table.Get("bob", got.data()));
    EXPECT_EQ(got, KeyOf(2));
    EXPECT_FALSE(table.Get("bob", got.data())); // one entry, not two
}

TEST(KeyTableFetch, FailedGetLeavesTheBufferUntouched)
{
    KeyTable table;
    table.Add("CAROL", KeyOf(3).data());
    Key buffer;
    buffer.fill(0x5A);
    EXPECT_FALSE(table.Get("DAVE", buffer.data()));
    Key untouched;
    untouched.fill(0x5A);
    EXPECT_EQ(buffer, untouched);
}

TEST(KeyTableFetch, ConsumedEntryIsWipedAndFree)
{
    KeyTable table;
    table.Add("ERIN", KeyOf(4).data());
    Key got{};
    ASSERT_TRUE(table.Get("erin", got.data()));
    const KeyEntry entry = table.EntryAt(0);
    EXPECT_EQ(entry.used, 0);
    for (uint8_t byte : entry.key)
        EXPECT_EQ(byte, 0); // the consumed key does not linger in memory
}

TEST(KeyTableFetch, TwoTablesAreIndependent)
{
    KeyTable messageKeys, fileKeys;
    messageKeys.Add("FRANK", KeyOf(5).data());
    Key got{};
    EXPECT_FALSE(fileKeys.Get("FRANK", got.data()));
    fileKeys.Add("FRANK", KeyOf(6).data());
    ASSERT_TRUE(messageKeys.Get("FRANK", got.data()));
    EXPECT_EQ(got, KeyOf(5));
    ASSERT_TRUE(fileKeys.Get("FRANK", got.data()));
    EXPECT_EQ(got, KeyOf(6));
}

// ---------------------------------------------------------------------------------------------

TEST(KeyTableCapacity, FullTableGivesTheOldestEntryToANewName)
{
    KeyTable table;
    Fill(table);
    EXPECT_EQ(table.Add("LATECOMER", KeyOf(500).data()), AddResult::StoredOverOldest);
    Key got{};
    ASSERT_TRUE(table.Get("LATECOMER", got.data()));
    EXPECT_EQ(got, KeyOf(500));
    // PC-0 was filed first and gave way; every other key is still there.
    EXPECT_FALSE(table.Get(NameOf(0).c_str(), got.data()));
    for (int n : {1, 42, 99}) {
        SCOPED_TRACE(n);
        ASSERT_TRUE(table.Get(NameOf(n).c_str(), got.data()));
        EXPECT_EQ(got, KeyOf(n));
    }
}

TEST(KeyTableCapacity, ReplacingAKeyMakesItTheNewest)
{
    KeyTable table;
    Fill(table);
    // PC-0 is filed again, so PC-1 is now the oldest and the next new name takes its place.
    EXPECT_EQ(table.Add(NameOf(0).c_str(), KeyOf(999).data()), AddResult::Replaced);
    EXPECT_EQ(table.Add("LATECOMER", KeyOf(500).data()), AddResult::StoredOverOldest);
    Key got{};
    EXPECT_FALSE(table.Get(NameOf(1).c_str(), got.data()));
    ASSERT_TRUE(table.Get(NameOf(0).c_str(), got.data()));
    EXPECT_EQ(got, KeyOf(999));
}

TEST(KeyTableCapacity, MadeUpNamesCannotLockARealKeyOut)
{
    KeyTable table;
    for (int round = 0; round < 3; ++round)
        for (int n = 0; n < static_cast<int>(kKeyTableEntries); ++n)
            table.Add(("FAKE-" + std::to_string(round) + "-" + std::to_string(n)).c_str(), KeyOf(n).data());
    EXPECT_EQ(table.Add("REAL-PC", KeyOf(7777).data()), AddResult::StoredOverOldest);
    Key got{};
    ASSERT_TRUE(table.Get("REAL-PC", got.data()));
    EXPECT_EQ(got, KeyOf(7777));
}

TEST(KeyTableCapacity, NewNameTakesTheLowestFreeEntry)
{
    KeyTable table;
    Fill(table);
    Key got{};
    ASSERT_TRUE(table.Get(NameOf(60).c_str(), got.data()));
    ASSERT_TRUE(table.Get(NameOf(10).c_str(), got.data()));

    EXPECT_EQ(table.Add("FIRST-NEW", KeyOf(1000).data()), AddResult::Stored);
    EXPECT_EQ(std::string(table.EntryAt(10).name), "FIRST-NEW");
    EXPECT_EQ(table.Add("SECOND-NEW", KeyOf(1001).data()), AddResult::Stored);
    EXPECT_EQ(std::string(table.EntryAt(60).name), "SECOND-NEW");
    EXPECT_EQ(table.Add("THIRD-NEW", KeyOf(1002).data()), AddResult::StoredOverOldest);
    EXPECT_EQ(std::string(table.EntryAt(0).name), "THIRD-NEW");
}

// ---------------------------------------------------------------------------------------------

TEST(KeyTableNames, NamesAreCutToNineteenCharacters)
{
    const struct {
        const char* added;
        const char* fetched;
        bool found;
    } rows[] = {
        {"ABCDEFGHIJKLMNOPQRS", "abcdefghijklmnopqrs", true},         // exactly 19
        {"ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOPQRS", true},        // 20 cut to 19
        {"ABCDEFGHIJKLMNOPQRS", "ABCDEFGHIJKLMNOPQRSXYZ", true},      // the get is cut too
        {"ABCDEFGHIJKLMNOPQR", "ABCDEFGHIJKLMNOPQRS", false},         // 18 is not 19
        {"ABCDEFGHIJKLMNOPQRS-ONE", "ABCDEFGHIJKLMNOPQRS-TWO", true}, // equal first 19: one name
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.added) + " / " + row.fetched);
        KeyTable table;
        table.Add(row.added, KeyOf(7).data());
        Key got{};
        EXPECT_EQ(table.Get(row.fetched, got.data()), row.found);
    }
}

TEST(KeyTableNames, NamesEqualInTheirFirstNineteenCharactersShareAnEntry)
{
    KeyTable table;
    EXPECT_EQ(table.Add("WORKSTATION-NUMBER-1", KeyOf(1).data()), AddResult::Stored);
    EXPECT_EQ(table.Add("WORKSTATION-NUMBER-2", KeyOf(2).data()), AddResult::Replaced);
    EXPECT_EQ(std::string(table.EntryAt(0).name), "WORKSTATION-NUMBER-");
}

TEST(KeyTableNames, EmptyNameIsAnOrdinaryName)
{
    KeyTable table;
    EXPECT_EQ(table.Add("", KeyOf(8).data()), AddResult::Stored);
    Key got{};
    EXPECT_FALSE(table.Get("X", got.data()));
    ASSERT_TRUE(table.Get("", got.data()));
    EXPECT_EQ(got, KeyOf(8));
}

TEST(KeyTableNames, NullPointersAreRefusedWithoutTouchingTheTable)
{
    KeyTable table;
    Key got;
    got.fill(0x77);
    EXPECT_EQ(table.Add(nullptr, KeyOf(9).data()), AddResult::Dropped);
    EXPECT_EQ(table.Add("", nullptr), AddResult::Dropped);
    EXPECT_FALSE(table.Get(nullptr, got.data()));
    EXPECT_EQ(got[0], 0x77);
    EXPECT_FALSE(table.Get("", got.data())); // the null name was not filed as ""

    table.Add("GRACE", KeyOf(10).data());
    EXPECT_FALSE(table.Get("GRACE", nullptr));
    ASSERT_TRUE(table.Get("GRACE", got.data())); // the refused get did not consume it
    EXPECT_EQ(got, KeyOf(10));
}

// cp1252 letters: 0xE4 is a-umlaut, 0xC4 its capital. ASCII folding leaves them apart; a code-page
// aware conversion (the system's, on Windows) brings them together.
void Cp1252UpperCase(char* text, std::size_t length)
{
    AsciiUpperCase(text, length);
    for (std::size_t i = 0; i < length; ++i)
        if (static_cast<unsigned char>(text[i]) == 0xE4) text[i] = static_cast<char>(0xC4);
}

TEST(KeyTableNames, TheGivenUpperCaseFunctionDecidesWhichNamesMatch)
{
    const char lower[] = "j\xE4rvi";
    const char upper[] = "J\xC4RVI";
    Key got{};

    KeyTable asciiTable;
    asciiTable.Add(lower, KeyOf(11).data());
    EXPECT_FALSE(asciiTable.Get(upper, got.data()));

    KeyTable codePageTable(Cp1252UpperCase);
    codePageTable.Add(lower, KeyOf(11).data());
    ASSERT_TRUE(codePageTable.Get(upper, got.data()));
    EXPECT_EQ(got, KeyOf(11));
}

// ---------------------------------------------------------------------------------------------

// Pairs of threads: a producer files its names in order, never more than 20 ahead of its consumer
// (so the table never fills), and a consumer polls for the same names in order. More keys pass
// through than the table holds. Waiting gives up at a deadline, so a lost key fails the test
// instead of hanging it.
TEST(KeyTableConcurrency, EveryKeyAddedIsFetchedOnceWithItsBytes)
{
    constexpr int kPairs = 4;
    constexpr int kNamesPerPair = 400;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    auto retryAllowed = [deadline] {
        std::this_thread::yield();
        return std::chrono::steady_clock::now() < deadline;
    };
    constexpr int kAheadLimit = 20;
    KeyTable table;
    std::atomic<int> stored{0}, notStored{0}, fetched{0}, wrongKeys{0};
    std::atomic<int> consumed[kPairs] = {};
    std::vector<std::thread> threads;
    for (int pair = 0; pair < kPairs; ++pair) {
        threads.emplace_back([&, pair] {
            for (int i = 0; i < kNamesPerPair; ++i) {
                while (i - consumed[pair].load() >= kAheadLimit)
                    if (!retryAllowed()) return;
                int n = pair * kNamesPerPair + i;
                (table.Add(NameOf(n).c_str(), KeyOf(n).data()) == AddResult::Stored ? stored : notStored)++;
            }
        });
        threads.emplace_back([&, pair] {
            for (int i = 0; i < kNamesPerPair; ++i) {
                int n = pair * kNamesPerPair + i;
                Key got{};
                while (!table.Get(NameOf(n).c_str(), got.data()))
                    if (!retryAllowed()) return;
                ++fetched;
                ++consumed[pair];
                if (got != KeyOf(n)) ++wrongKeys;
            }
        });
    }
    for (auto& thread : threads)
        thread.join();

    EXPECT_EQ(stored.load(), kPairs * kNamesPerPair);
    EXPECT_EQ(notStored.load(), 0);
    EXPECT_EQ(fetched.load(), kPairs * kNamesPerPair);
    EXPECT_EQ(wrongKeys.load(), 0);
    for (std::size_t i = 0; i < kKeyTableEntries; ++i)
        EXPECT_EQ(table.EntryAt(i).used, 0) << i; // nothing fetched twice, nothing left over
}

} // namespace
} // namespace kivet::secure
