#include "messenger/transport/poll_auto_reply.h"

#include <vector>

#include "messenger/transport/mailslot_poll.h"
#include "messenger/transport/writers.h"

namespace kivet {
namespace {

// Sends the current Auto-Reply message to the requesting computer. Outside Auto-Reply mode the
// request goes unanswered, so the requester reports that the user is not in that mode.
void AnswerRequest(MailslotWriter& writer, const TextCodec& codec, ReceiveContext& context,
                   const AutoReplyFields& request)
{
    if (!context.Settings().autoReplyMode || request.computerName.empty()) return;
    AutoReplyFields answer;
    answer.kind = kAutoReplyAnswer;
    answer.computerName = context.LocalComputer();
    answer.addressedTo = request.computerName;
    answer.message = context.AutoReplyMessage();
    SendAutoReply(writer, codec, answer);
}

} // namespace

int PollAutoReply(MailslotReader& reader, MailslotWriter& writer, const TextCodec& codec, ReceiveContext& context,
                  AutoReplyFields& answer)
{
    MailslotPass pass;
    if (!FirstDatagramWaiting(reader, pass)) return -1;
    do {
        std::vector<uint8_t> bytes;
        if (!reader.Read(bytes)) return -1;
        const AutoReplyFields fields = ReadAutoReplyDatagram(codec, bytes.data(), bytes.size());
        if (fields.kind == kAutoReplyAnswer) {
            answer = fields;
            return 1;
        }
        if (fields.kind == kAutoReplyRequest) AnswerRequest(writer, codec, context, fields);
    } while (ContinuePassWithoutWaiting(reader, pass));
    return -1;
}

} // namespace kivet
