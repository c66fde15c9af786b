// Reading the Messenger-format mailslot on the main window's timer: every waiting datagram is
// classified, filtered, stored (long messages joined from their pieces) and, in Auto-Reply mode,
// answered.
#pragma once

#include "messenger/store/message_store.h"
#include "messenger/transport/mailslot_port.h"
#include "messenger/transport/receive_context.h"
#include "common/text_codec.h"

namespace kivet {

// One pass over the waiting datagrams. Returns 1 after a complete pass, whether or not anything
// was stored; -1 when the query fails, nothing is waiting, the next datagram is shorter than 6
// bytes, a read fails, or a datagram was discarded (IgnorWorkgroup, Ignore List), which ends the
// pass and leaves the rest for the next tick. Whatever was stored stays stored.
//
// Ordinary datagrams are stored as they are read. The pieces of split messages are collected
// per message (sender, recipient and origin) and each message is stored as one record when the
// pass ends, however it ends, in the order the messages began; pieces of other senders and
// ordinary messages in between do not disturb a collection. The caller starts the blinking of
// new-message announcements from the store's unread count.
int PollPlain(MailslotReader& reader, MailslotWriter& writer, const TextCodec& codec, ReceiveContext& context,
              MessageStore& store);

} // namespace kivet
