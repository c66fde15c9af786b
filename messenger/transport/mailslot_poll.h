// The steps every mailslot poll shares: whether a pass may start, and whether it goes on after a
// datagram. The Messenger-format, group and auto-reply readers all run their passes this way.
#pragma once

#include "messenger/transport/mailslot_port.h"

namespace kivet {

// The first step of every poll: true when a datagram of at least 6 bytes is waiting. A shorter
// one at the head is read and dropped, so that it cannot hold up the mailslot for good.
bool FirstDatagramWaiting(MailslotReader& reader);

// Between datagrams of a poll: true while the mailslot holds more.
bool MoreDatagramsWaiting(MailslotReader& reader);

} // namespace kivet
