// The steps every mailslot poll shares: whether a pass may start, and whether it goes on after a
// datagram. The Messenger-format, group and auto-reply readers all run their passes this way.
#pragma once

#include "messenger/transport/mailslot_port.h"
#include "messenger/transport/receive_context.h"

namespace kivet {

// The most datagrams one pass reads; the rest wait for the next tick.
constexpr int kMostDatagramsPerPass = 64;
// The most datagrams shorter than any header (under 6 bytes) one pass reads and drops on the way.
// They cost next to nothing, so a burst of them is cleared at once instead of holding up the
// mailslot for many ticks; the bound keeps even an endless burst from holding up the window.
constexpr int kMostShortDatagramsPerPass = 4096;

// What a pass has read so far.
struct MailslotPass {
    int datagramsRead = 0;
    int shortDropped = 0;
};

// The first step of every poll: true when a datagram of at least 6 bytes is waiting. Shorter ones
// at the head are read and dropped first.
bool FirstDatagramWaiting(MailslotReader& reader, MailslotPass& pass);

// After a datagram of the pass: true when the pass reads another one. Short datagrams at the head
// are dropped as at the start. When the mailslot is empty the pass waits 100 ms for a datagram
// still on its way (the pieces of a long message come one after another); when more are waiting
// it goes straight on. A pass ends after kMostDatagramsPerPass datagrams, so a sender flooding the
// mailslot cannot hold the program's window up.
bool ContinuePass(MailslotReader& reader, ReceiveContext& context, MailslotPass& pass);

// As ContinuePass, without waiting for a datagram on its way.
bool ContinuePassWithoutWaiting(MailslotReader& reader, MailslotPass& pass);

} // namespace kivet
