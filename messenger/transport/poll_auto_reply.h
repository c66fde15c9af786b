// Reading the auto-reply mailslot: requests for the local Auto-Reply message are answered, and an
// answer to the local user's own request is handed to the caller.
#pragma once

#include "messenger/transport/auto_reply_datagram.h"
#include "messenger/transport/mailslot_port.h"
#include "messenger/transport/receive_context.h"
#include "common/text_codec.h"

namespace kivet {

// Reads the waiting datagrams until an answer comes: 1 with the answer's fields in answer (the
// answering computer and its Auto-Reply message), -1 when the mailslot runs empty first or cannot
// be read. Requests met on the way are answered while Auto-Reply mode is on.
int PollAutoReply(MailslotReader& reader, MailslotWriter& writer, const TextCodec& codec, ReceiveContext& context,
                  AutoReplyFields& answer);

} // namespace kivet
