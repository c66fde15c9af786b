#include "messenger/send/auto_reply_reading.h"

#include "messenger/transport/mailslot_target.h"
#include "messenger/transport/poll_auto_reply.h"
#include "messenger/transport/writers.h"

namespace kivet {
namespace {

constexpr unsigned kAnswersPerLook = 50;

} // namespace

std::optional<std::string> ReadRemoteAutoReply(std::string_view computer, AutoReplyReading& r)
{
    if (computer.empty() || !IsMailslotTarget(computer, Broadcast::Refused)) return std::nullopt;
    AutoReplyFields request;
    request.kind = kAutoReplyRequest;
    request.computerName = r.context.LocalComputer();
    request.addressedTo = std::string(computer);
    if (!SendAutoReply(r.writer, r.codec, request)) return std::nullopt;
    const std::string asked = r.codec.Upper(computer);
    for (unsigned step = 0; step < kAutoReplyWaitSteps; ++step) {
        // Answers from others are read away, a bounded number at each look.
        for (unsigned read = 0; read < kAnswersPerLook; ++read) {
            AutoReplyFields answer;
            if (PollAutoReply(r.reader, r.writer, r.codec, r.context, answer) != 1) break;
            if (answer.kind == kAutoReplyAnswer && r.codec.Upper(answer.computerName) == asked) return answer.message;
        }
        r.context.Pause(kAutoReplyWaitStepMs);
    }
    return std::nullopt;
}

} // namespace kivet
