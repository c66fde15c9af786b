#include "messenger/transport/poll_group.h"
#include "messenger/transport/mailslot_poll.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "common/fixed_text.h"
#include "messenger/transport/group_datagram.h"
#include "tests/fakes/transport_fakes.h"
#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

using namespace std::string_literals;

std::vector<uint8_t> GroupWire(uint32_t kind, std::string group, std::string text = "hello",
                               std::string senderName = "bob", std::string senderComputer = "PC-BOB")
{
    GroupFields fields;
    fields.kind = kind;
    fields.groupName = std::move(group);
    fields.targetName = "OFFICE";
    fields.senderComputer = std::move(senderComputer);
    fields.senderName = std::move(senderName);
    fields.text = std::move(text);
    const GroupDatagramBytes bytes = BuildGroupDatagram(test::TestCodec(), fields);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

// A mailslot two threads read: its own lock keeps the queue sound, each read takes a moment, and
// it notes which thread read each datagram.
class SharedQueueReader final : public MailslotReader {
public:
    void Push(std::vector<uint8_t> datagram) { queue_.push_back(std::move(datagram)); }

    bool Peek(uint32_t& nextSize, uint32_t& waiting) override
    {
        std::lock_guard<std::mutex> guard(lock_);
        waiting = static_cast<uint32_t>(queue_.size());
        nextSize = queue_.empty() ? 0 : static_cast<uint32_t>(queue_.front().size());
        return true;
    }

    bool Read(std::vector<uint8_t>& datagram) override
    {
        std::this_thread::sleep_for(std::chrono::microseconds(50));
        std::lock_guard<std::mutex> guard(lock_);
        if (queue_.empty()) return false;
        datagram = std::move(queue_.front());
        queue_.pop_front();
        readers_.push_back(std::this_thread::get_id());
        return true;
    }

    std::vector<std::thread::id> Readers()
    {
        std::lock_guard<std::mutex> guard(lock_);
        return readers_;
    }

private:
    std::mutex lock_;
    std::deque<std::vector<uint8_t>> queue_;
    std::vector<std::thread::id> readers_;
};

class PollGroupTest : public testing::Test {
protected:
    PollGroupTest() { context.groups = {"@Sales"}; }

    int Poll() { return PollGroup(reader, writer, test::TestCodec(), context, store, receipts); }

    std::vector<GroupFields> Receipts() const
    {
        std::vector<GroupFields> sent;
        for (const test::WrittenDatagram& written : writer.written) {
            EXPECT_EQ(written.path, kGroupMailslot);
            sent.push_back(ReadGroupDatagram(test::TestCodec(), written.bytes.data(), written.bytes.size()));
            EXPECT_EQ(sent.back().targetName, written.target);
        }
        return sent;
    }

    test::QueueReader reader;
    test::RecordingWriter writer;
    test::ScriptedContext context;
    MessageStore store;
    ReceiptTable receipts;
};

TEST_F(PollGroupTest, PresenceProbeIsAnsweredAndNotStored)
{
    context.settings.useComputerName = true;
    context.groups.insert(std::string(kPresenceProbeGroup)); // even when a list names it
    reader.Push(GroupWire(kGroupMessage, std::string(kPresenceProbeGroup), ""));
    EXPECT_EQ(Poll(), -1);
    EXPECT_EQ(store.Counts().total, 0);
    const std::vector<GroupFields> sent = Receipts();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(writer.written[0].target, "PC-BOB");
    EXPECT_EQ(sent[0].kind, kGroupReceipt);
    EXPECT_EQ(sent[0].groupName, kPresenceProbeGroup);
    EXPECT_EQ(sent[0].senderComputer, "PC-07");
    EXPECT_EQ(sent[0].senderName, "Jsmith");
    EXPECT_EQ(sent[0].text, "");
}

TEST_F(PollGroupTest, UnknownGroupIsNeitherStoredNorAcknowledged)
{
    reader.Push(GroupWire(kGroupMessage, "@Finance"));
    EXPECT_EQ(Poll(), -1);
    EXPECT_EQ(store.Counts().total, 0);
    EXPECT_TRUE(writer.written.empty());
}

TEST_F(PollGroupTest, MemberGroupIsStoredAndAcknowledged)
{
    context.settings.logHistory = true;
    reader.Push(GroupWire(kGroupMessage, "@Sales", "caf\xE9", "\xE9LODIE"));
    EXPECT_EQ(Poll(), 1);
    const std::vector<MessageRecord> records = test::StoredRecords(store);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].unread, 1);
    EXPECT_EQ(records[0].secure, 0);
    EXPECT_EQ(FieldText(records[0].receivedAt), context.receivedAt);
    EXPECT_EQ(FieldText(records[0].sender), "\xC9lodie");
    EXPECT_EQ(FieldText(records[0].recipient), "@Sales");
    EXPECT_EQ(FieldText(records[0].text), "caf\xE9");
    EXPECT_EQ(FieldText(records[0].originName), "PC-BOB");
    ASSERT_EQ(Receipts().size(), 1u);
    EXPECT_EQ(Receipts()[0].groupName, "@Sales");
    EXPECT_EQ(context.incoming.size(), 1u);
    EXPECT_EQ(context.pauses, std::vector<unsigned>{100});
}

TEST_F(PollGroupTest, SameMessageWithinTheSameSecondIsStoredOnce)
{
    reader.Push(GroupWire(kGroupMessage, "@Sales"));
    reader.Push(GroupWire(kGroupMessage, "@Sales"));
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(store.Counts().total, 1);
    EXPECT_EQ(Receipts().size(), 2u);

    context.receivedAt = "01 March 2004 10:00:01";
    reader.Push(GroupWire(kGroupMessage, "@Sales"));
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(store.Counts().total, 2);
}

TEST_F(PollGroupTest, OnlyDuplicatesGiveMinusOne)
{
    reader.Push(GroupWire(kGroupMessage, "@Sales"));
    EXPECT_EQ(Poll(), 1);
    reader.Push(GroupWire(kGroupMessage, "@Sales"));
    EXPECT_EQ(Poll(), -1);
}

TEST_F(PollGroupTest, ReceiptsAreCollectedOncePerPair)
{
    reader.Push(GroupWire(kGroupReceipt, "@Sales", "", "alice", "PC-ALICE"));
    reader.Push(GroupWire(kGroupReceipt, "@Sales", "", "alice", "PC-ALICE"));
    reader.Push(GroupWire(kGroupReceipt, "@Sales", "", "bob", "PC-BOB"));
    EXPECT_EQ(Poll(), -1);
    const std::vector<ReceiptEntry> entries = receipts.Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(FieldText(entries[0].senderName), "Alice");
    EXPECT_EQ(FieldText(entries[0].senderComputer), "PC-ALICE");
    EXPECT_TRUE(writer.written.empty());
    EXPECT_EQ(store.Counts().total, 0);
}

TEST_F(PollGroupTest, ReceiptTableStopsAtItsCapacity)
{
    for (std::size_t i = 0; i < ReceiptTable::kCapacity; ++i)
        receipts.Add("U" + std::to_string(i), "PC");
    reader.Push(GroupWire(kGroupReceipt, "@Sales", "", "late", "PC-LATE"));
    EXPECT_EQ(Poll(), -1);
    EXPECT_EQ(receipts.Count(), ReceiptTable::kCapacity);
}

TEST_F(PollGroupTest, OtherKindsAndEmptyReceiptsAreIgnored)
{
    reader.Push(GroupWire(7, "@Sales"));
    reader.Push(GroupWire(kGroupReceipt, "@Sales", "", "", ""));
    EXPECT_EQ(Poll(), -1);
    EXPECT_EQ(store.Counts().total, 0);
    EXPECT_EQ(receipts.Count(), 0u);
    EXPECT_TRUE(writer.written.empty());
}

TEST_F(PollGroupTest, UnterminatedFieldsAreCutBeforeUse)
{
    std::vector<uint8_t> wire(368, 'A');
    wire[0] = wire[1] = wire[2] = wire[3] = 0;
    context.groups = {std::string(15, 'A')};
    reader.Push(wire);
    EXPECT_EQ(Poll(), 1);
    const MessageRecord record = test::StoredRecords(store).at(0);
    EXPECT_EQ(FieldText(record.recipient), std::string(15, 'A'));
    EXPECT_EQ(FieldText(record.sender), "A" + std::string(14, 'a'));
    EXPECT_EQ(FieldText(record.text), std::string(300, 'A'));
    ASSERT_EQ(writer.written.size(), 1u);
    EXPECT_EQ(writer.written[0].target, std::string(15, 'A'));
}

TEST_F(PollGroupTest, ShortAndLongDatagramsAreReadWithoutHarm)
{
    reader.Push(std::vector<uint8_t>{0, 0, 0});
    EXPECT_EQ(Poll(), -1);
    EXPECT_TRUE(reader.queue.empty());

    std::vector<uint8_t> longOne = GroupWire(kGroupMessage, "@Sales", "long");
    longOne.resize(70000, 'z');
    reader.Push(std::vector<uint8_t>{0, 0, 0, 0, '@', 'S', 'a'});
    reader.Push(longOne);
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(store.Counts().total, 1);
}

TEST_F(PollGroupTest, ABurstOfShortDatagramsHoldsNoGroupMessageUp)
{
    for (int i = 0; i < 1000; ++i)
        reader.Push(std::vector<uint8_t>{1});
    reader.Push(GroupWire(kGroupMessage, "@Sales", "after the burst"));
    EXPECT_EQ(Poll(), 1);
    EXPECT_EQ(store.Counts().total, 1);
    EXPECT_TRUE(reader.queue.empty());
}

TEST_F(PollGroupTest, MessageWithoutSenderComputerIsStoredButNotAcknowledged)
{
    reader.Push(GroupWire(kGroupMessage, "@Sales", "hi", "bob", ""));
    EXPECT_EQ(Poll(), 1);
    EXPECT_TRUE(writer.written.empty());
}

TEST_F(PollGroupTest, QueryFailureGivesMinusOne)
{
    reader.Push(GroupWire(kGroupMessage, "@Sales"));
    reader.failPeek = true;
    EXPECT_EQ(Poll(), -1);
    EXPECT_EQ(reader.reads, 0);
}

TEST_F(PollGroupTest, PollsFromTwoThreadsTakeTurns)
{
    SharedQueueReader shared;
    constexpr int kDatagrams = kMostDatagramsPerPass - 4; // one pass reads them all
    for (int i = 0; i < kDatagrams; ++i)
        shared.Push(GroupWire(kGroupReceipt, "@Sales", "", "u" + std::to_string(i), "PC"));
    std::atomic<bool> go{false};
    const auto pollOnce = [&] {
        while (!go) {}
        PollGroup(shared, writer, test::TestCodec(), context, store, receipts);
    };
    std::thread first(pollOnce);
    std::thread second(pollOnce);
    go = true;
    first.join();
    second.join();

    EXPECT_EQ(receipts.Count(), static_cast<std::size_t>(kDatagrams));
    const std::vector<std::thread::id> readers = shared.Readers();
    ASSERT_EQ(readers.size(), static_cast<std::size_t>(kDatagrams));
    EXPECT_EQ(std::count(readers.begin(), readers.end(), readers.front()), kDatagrams) << "two polls interleaved";
}

} // namespace
} // namespace kivet
