// The steps every mailslot poll shares: whether a pass may start, and whether it goes on after a
// datagram. The Messenger-format, group and auto-reply readers all run their passes this way.
#pragma once

#include "messenger/transport/mailslot_port.h"
#include "messenger/transport/receive_context.h"

namespace kivet {

// The first step of every poll: true when a datagram of at least 6 bytes is waiting. A shorter
// one at the head is read and dropped, so that it cannot hold up the mailslot for good.
bool FirstDatagramWaiting(MailslotReader& reader);

// Between datagrams of a poll: true while the mailslot holds more.
bool MoreDatagramsWaiting(MailslotReader& reader);

// The most datagrams one pass reads; the rest wait for the next tick.
constexpr int kMostDatagramsPerPass = 64;

// After the n-th datagram of a pass (n = datagramsRead): true when the pass reads another one.
// When the mailslot is empty the pass waits 100 ms for a datagram still on its way (the pieces of a
// long message come one after another); when more are waiting it goes straight on. A pass ends
// after kMostDatagramsPerPass datagrams, so a sender flooding the mailslot cannot hold the
// program's window up.
bool ContinuePass(MailslotReader& reader, ReceiveContext& context, int datagramsRead);

} // namespace kivet
