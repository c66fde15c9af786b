#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/core/store/store_test_support.h"

namespace kivet {
namespace {

constexpr int kWriters = 4;
constexpr int kPerWriter = 400;

// Walks the store from the first record to the last and returns the texts in order.
std::vector<std::string> AllTexts(MessageStore& store)
{
    std::vector<std::string> texts;
    for (int i = 0; i < store.Counts().total; ++i)
        store.Move(Direction::Previous);
    for (int i = 0; i < store.Counts().total; ++i) {
        texts.push_back(CurrentText(store));
        store.Move(Direction::Next);
    }
    return texts;
}

// The counters a reader sees must always describe a possible store.
void CheckInvariants(const StoreCounts& counts, std::atomic<int>& violations)
{
    const bool emptyMatches = (counts.total == 0) == (counts.current == 0);
    if (counts.unread < 0 || counts.unread > counts.total || counts.current < 0 || counts.current > counts.total ||
        !emptyMatches)
        ++violations;
}

TEST(MessageStoreConcurrency, AppendsFromSeveralThreadsLoseNothing)
{
    MessageStore store;
    std::atomic<bool> writing{true};
    std::atomic<int> violations{0};

    std::thread reader([&] {
        while (writing) {
            CheckInvariants(store.Counts(), violations);
            store.Move(Direction::Next);
            auto record = store.CurrentRecord();
            if (record && record->unread != 1) ++violations;
        }
    });
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.emplace_back([&store, w] {
            for (int i = 0; i < kPerWriter; ++i) {
                const std::string text = std::to_string(w) + ":" + std::to_string(i);
                if (i % 2 == 0)
                    store.Append(TestRecord(text));
                else
                    store.AppendPlain(TestRecord(text));
            }
        });
    for (std::thread& t : writers)
        t.join();
    writing = false;
    reader.join();

    EXPECT_EQ(violations, 0);
    const StoreCounts counts = store.Counts();
    EXPECT_EQ(counts.total, kWriters * kPerWriter);
    EXPECT_EQ(counts.unread, kWriters * kPerWriter);

    // Every record is there once, and each writer's records keep their order.
    std::map<int, int> next;
    for (const std::string& text : AllTexts(store)) {
        const int writer = std::stoi(text.substr(0, text.find(':')));
        const int index = std::stoi(text.substr(text.find(':') + 1));
        EXPECT_EQ(index, next[writer]) << text;
        next[writer] = index + 1;
    }
    for (int w = 0; w < kWriters; ++w)
        EXPECT_EQ(next[w], kPerWriter);
}

// The duplicate test and the append are one step: the same datagram handed in by several threads
// at once is stored once.
TEST(MessageStoreConcurrency, SameDatagramFromSeveralThreadsIsStoredOnce)
{
    for (int round = 0; round < 50; ++round) {
        MessageStore store;
        std::atomic<int> stored{0};
        std::atomic<bool> go{false};
        std::vector<std::thread> threads;
        for (int t = 0; t < kWriters; ++t)
            threads.emplace_back([&] {
                while (!go)
                    std::this_thread::yield();
                if (store.AppendPlain(TestRecord("same"))) ++stored;
            });
        go = true;
        for (std::thread& t : threads)
            t.join();
        ASSERT_EQ(stored, 1);
        ASSERT_EQ(store.Counts().total, 1);
    }
}

class AlwaysYes : public DeleteAllQuestions {
public:
    bool ConfirmDeleteAll() override { return true; }
    bool ConfirmDeleteUnread() override { return true; }
};

// Deletions on the main thread while other threads append: the unread count keeps matching the
// records, which are all unread here.
TEST(MessageStoreConcurrency, DeletesWhileAppendingKeepTheCountsTrue)
{
    MessageStore store;
    std::atomic<bool> writing{true};
    std::atomic<int> violations{0};
    std::thread deleter([&] {
        AlwaysYes yes;
        int step = 0;
        while (writing) {
            if (++step % 5 == 0)
                store.DeleteAll(yes);
            else
                store.DeleteCurrent();
            CheckInvariants(store.Counts(), violations);
        }
    });
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.emplace_back([&store, w] {
            for (int i = 0; i < kPerWriter; ++i)
                store.Append(TestRecord(std::to_string(w) + ":" + std::to_string(i)));
        });
    for (std::thread& t : writers)
        t.join();
    writing = false;
    deleter.join();

    EXPECT_EQ(violations, 0);
    const StoreCounts counts = store.Counts();
    EXPECT_EQ(counts.unread, counts.total);
    EXPECT_EQ(static_cast<int>(AllTexts(store).size()), counts.total);
}

// Another thread must be able to use the store while a question is open: the sending and secure
// threads append while the main window shows the message box. The threads are joined only after
// DeleteAll returns, so a lock held while asking shows as a failure, not as a hang.
TEST(MessageStoreConcurrency, DeleteAllHoldsNoLockWhileAsking)
{
    MessageStore store;
    Fill(store, 2);
    std::vector<std::thread> others;
    auto otherThreadCompletes = [&] {
        auto done = std::make_shared<std::atomic<bool>>(false);
        others.emplace_back([&store, done] {
            store.Append(TestRecord("from another thread"));
            *done = true;
        });
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!*done && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return done->load();
    };
    bool firstFree = false;
    bool secondFree = false;
    QuestionsWithSideEffect questions;
    questions.whileAskingAll = [&] { firstFree = otherThreadCompletes(); };
    questions.whileAskingUnread = [&] { secondFree = otherThreadCompletes(); };
    EXPECT_EQ(store.DeleteAll(questions), DeleteAllResult::Deleted);
    for (std::thread& t : others)
        t.join();
    EXPECT_TRUE(firstFree);
    EXPECT_TRUE(secondFree);
    EXPECT_EQ(store.Counts().total, 2);
    EXPECT_EQ(store.Counts().unread, 2);
}

} // namespace
} // namespace kivet
