// Fuzzes the Messenger-format reader: the input once as a single datagram, then as a sequence of
// datagrams read by PollPlain with every filter and Auto-Reply mode reachable.
#include <cstddef>
#include <cstdint>

#include "common/fixed_text.h"
#include "messenger/transport/plain_datagram.h"
#include "messenger/transport/poll_plain.h"
#include "tests/fakes/transport_fakes.h"
#include "tests/fakes/table_codec.h"
#include "tests/fuzz/fuzz_poll.h"

using namespace kivet;

namespace {

void CheckSingleDatagram(const uint8_t* data, std::size_t size)
{
    const auto datagram = ReadPlainDatagram(test::TestCodec(), data, size);
    if (!datagram) return;
    fuzz::Require(datagram->datagramClass == ClassifyPlainDatagram(data, size));
    fuzz::Require(datagram->text.size() <= kPlainPieceLength);
    fuzz::Require(datagram->sender.size() + datagram->recipient.size() + 2 <= size);
}

void CheckAnswers(const test::RecordingWriter& writer)
{
    for (const test::WrittenDatagram& written : writer.written) {
        fuzz::Require(written.bytes.size() <= kPlainBuildLimit);
        const auto answer = ReadPlainDatagram(test::TestCodec(), written.bytes.data(), written.bytes.size());
        fuzz::Require(answer.has_value() && answer->datagramClass == 3 && answer->flag == kPlainFlagAutoReply);
    }
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
    context.ignoreList = {"Mallory"};
    context.resolvable = {{"Bob", "PC-BOB"}};
    context.confirmable = {{"Alice", "PC-ALICE"}};
    MessageStore store;

    fuzz::PollUntilEmpty(run, [&] { return PollPlain(reader, writer, test::TestCodec(), context, store); });
    CheckAnswers(writer);
    for (const MessageRecord& record : test::StoredRecords(store))
        fuzz::Require(FieldText(record.text).size() < sizeof record.text && record.unread == 1);
    return 0;
}
