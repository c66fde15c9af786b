// Fuzzes the group reader: the input once as a single group datagram, then as a sequence of
// datagrams read by PollGroup with a member group, receipts and presence probes reachable.
#include <cstddef>
#include <cstdint>

#include "common/fixed_text.h"
#include "messenger/transport/group_datagram.h"
#include "messenger/transport/poll_group.h"
#include "tests/core/transport/fakes.h"
#include "tests/core/transport/table_codec.h"
#include "tests/fuzz/fuzz_input.h"

using namespace kivet;

namespace {

void CheckSingleDatagram(const uint8_t* data, std::size_t size)
{
    const GroupFields fields = ReadGroupDatagram(test::TestCodec(), data, size);
    fuzz::Require(fields.groupName.size() <= 15 && fields.targetName.size() <= 15);
    fuzz::Require(fields.senderComputer.size() <= 15 && fields.senderName.size() <= 15);
    fuzz::Require(fields.text.size() <= 300);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    CheckSingleDatagram(data, size);

    fuzz::FuzzInput input = fuzz::SplitFuzzInput(data, size);
    test::QueueReader reader;
    for (auto& datagram : input.datagrams)
        reader.Push(std::move(datagram));
    test::RecordingWriter writer;
    test::ScriptedContext context;
    context.settings = input.settings;
    context.groups = {"@Sales"};
    MessageStore store;
    ReceiptTable receipts;

    const std::size_t waiting = reader.queue.size();
    for (std::size_t poll = 0; poll <= waiting && !reader.queue.empty(); ++poll) {
        const int result = PollGroup(reader, writer, test::TestCodec(), context, store, receipts);
        fuzz::Require(result == 1 || result == -1);
    }
    fuzz::Require(reader.queue.empty());
    fuzz::Require(receipts.Count() <= ReceiptTable::kCapacity);
    for (const test::WrittenDatagram& written : writer.written) {
        fuzz::Require(written.bytes.size() == sizeof(GroupDatagram) && written.bytes[0] == kGroupReceipt);
        fuzz::Require(!written.target.empty() && written.target.size() <= 15);
    }
    for (const MessageRecord& record : test::StoredRecords(store))
        fuzz::Require(FieldText(record.recipient) == "@Sales");
    return 0;
}
