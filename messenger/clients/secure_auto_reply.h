// The Auto-Reply answer to a secure message: a Messenger-format datagram, flagged as an automatic
// answer, with the current Auto-Reply message, written to the sender's computer.
#pragma once

#include <string_view>

#include "common/text_codec.h"
#include "messenger/transport/mailslot_port.h"
#include "messenger/transport/receive_context.h"

namespace kivet {

// False when the datagram could not be written.
bool SendSecureAutoReply(MailslotWriter& writer, const TextCodec& codec, ReceiveContext& context,
                         std::string_view senderComputer);

} // namespace kivet
