// Fuzzes the group reader: the input once as a single group datagram, then as a sequence of
// datagrams read by PollGroup with a member group, receipts and presence probes reachable.
#include <cstddef>
#include <cstdint>

#include "common/fixed_text.h"
#include "messenger/transport/group_datagram.h"
#include "messenger/transport/poll_group.h"
#include "tests/fakes/transport_fakes.h"
#include "tests/fakes/table_codec.h"
#include "tests/fuzz/fuzz_poll.h"

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

    fuzz::PollRun run;
    fuzz::LoadPollRun(run, data, size);
    test::QueueReader& reader = run.reader;
    test::RecordingWriter& writer = run.writer;
    test::ScriptedContext& context = run.context;
    context.groups = {"@Sales"};
    MessageStore store;
    ReceiptTable receipts;

    fuzz::PollUntilEmpty(run, [&] { return PollGroup(reader, writer, test::TestCodec(), context, store, receipts); });
    fuzz::Require(receipts.Count() <= ReceiptTable::kCapacity);
    for (const test::WrittenDatagram& written : writer.written) {
        fuzz::Require(written.bytes.size() == sizeof(GroupDatagram) && written.bytes[0] == kGroupReceipt);
        fuzz::Require(!written.target.empty() && written.target.size() <= 15);
    }
    for (const MessageRecord& record : test::StoredRecords(store))
        fuzz::Require(FieldText(record.recipient) == "@Sales");
    return 0;
}
