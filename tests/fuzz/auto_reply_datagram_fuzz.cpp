// Fuzzes the auto-reply reader: the input once as a single auto-reply datagram, then as a
// sequence of datagrams read by PollAutoReply, with requests answered in Auto-Reply mode.
#include <cstddef>
#include <cstdint>

#include "messenger/transport/auto_reply_datagram.h"
#include "messenger/transport/poll_auto_reply.h"
#include "tests/core/transport/fakes.h"
#include "tests/core/transport/table_codec.h"
#include "tests/fuzz/fuzz_input.h"

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

    fuzz::FuzzInput input = fuzz::SplitFuzzInput(data, size);
    test::QueueReader reader;
    for (auto& datagram : input.datagrams)
        reader.Push(std::move(datagram));
    test::RecordingWriter writer;
    test::ScriptedContext context;
    context.settings = input.settings;

    const std::size_t waiting = reader.queue.size();
    for (std::size_t poll = 0; poll <= waiting && !reader.queue.empty(); ++poll) {
        AutoReplyFields answer;
        const int result = PollAutoReply(reader, writer, test::TestCodec(), context, answer);
        fuzz::Require(result == 1 || result == -1);
        if (result == 1) CheckFields(answer);
    }
    fuzz::Require(reader.queue.empty());
    for (const test::WrittenDatagram& written : writer.written) {
        fuzz::Require(written.bytes.size() == sizeof(AutoReplyDatagram) && written.bytes[0] == kAutoReplyAnswer);
        fuzz::Require(context.settings.autoReplyMode && !written.target.empty());
    }
    return 0;
}
