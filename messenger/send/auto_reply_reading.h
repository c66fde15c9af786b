// "Read Auto-Reply message" of the send dialog's tree: a request to a computer's auto-reply
// mailslot, then the answer awaited on the program's own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/text_codec.h"
#include "messenger/transport/mailslot_port.h"
#include "messenger/transport/receive_context.h"

namespace kivet {

// The asked computer answers from a poll every three seconds: the wait outlasts one such period
// and the answer's way back, or a request that just missed a poll would find no answer.
constexpr unsigned kAutoReplyWaitSteps = 50;   // looks at the mailslot ...
constexpr unsigned kAutoReplyWaitStepMs = 100; // ... this far apart: five seconds in all

struct AutoReplyReading {
    MailslotWriter& writer;
    MailslotReader& reader; // the program's auto-reply mailslot
    const TextCodec& codec;
    ReceiveContext& context; // the local computer's name, the pause between looks
};

// The Auto-Reply message of the computer, or nothing when the request could not be written or no
// answer from that computer came in time. Answers from other computers are passed over; requests
// met meanwhile are answered as the timer's poll would.
std::optional<std::string> ReadRemoteAutoReply(std::string_view computer, AutoReplyReading& reading);

} // namespace kivet
