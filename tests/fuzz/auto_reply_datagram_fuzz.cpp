// Fuzzes the auto-reply reader: the input once as a single auto-reply datagram, then as a
// sequence of datagrams read by PollAutoReply, with requests answered in Auto-Reply mode.
#include <cstddef>
#include <cstdint>

#include "messenger/transport/auto_reply_datagram.h"
#include "messenger/transport/poll_auto_reply.h"
#include "tests/fakes/transport_fakes.h"
#include "tests/fakes/table_codec.h"
#include "tests/fuzz/fuzz_poll.h"

using namespace kivet;

namespace {

void CheckFields(const AutoReplyFields& fields)
{
    fuzz::Require(fields.computerName.size() <= 15 && fields.addressedTo.size() <= 15);
    fuzz::Require(fields.message.size() <= 255);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    CheckFields(ReadAutoReplyDatagram(test::TestCodec(), data, size));

    fuzz::PollRun run;
    fuzz::LoadPollRun(run, data, size);
    test::QueueReader& reader = run.reader;
    test::RecordingWriter& writer = run.writer;
    test::ScriptedContext& context = run.context;

    fuzz::PollUntilEmpty(run, [&] {
        AutoReplyFields answer;
        const int result = PollAutoReply(reader, writer, test::TestCodec(), context, answer);
        if (result == 1) CheckFields(answer);
        return result;
    });
    for (const test::WrittenDatagram& written : writer.written) {
        fuzz::Require(written.bytes.size() == sizeof(AutoReplyDatagram) && written.bytes[0] == kAutoReplyAnswer);
        fuzz::Require(context.settings.autoReplyMode && !written.target.empty());
    }
    return 0;
}
