#include "messenger/transport/mailslot_poll.h"

#include <cstdint>
#include <vector>

namespace kivet {
namespace {

constexpr uint32_t kShortestDatagram = 6;
constexpr unsigned kWaitForNextDatagramMs = 100;

// True when a datagram of full size heads the mailslot, after dropping the short ones before it
// within the pass's allowance.
bool FullDatagramWaiting(MailslotReader& reader, MailslotPass& pass)
{
    for (;;) {
        uint32_t nextSize = 0;
        uint32_t waiting = 0;
        if (!reader.Peek(nextSize, waiting) || waiting == 0) return false;
        if (nextSize >= kShortestDatagram) return true;
        if (pass.shortDropped >= kMostShortDatagramsPerPass) return false;
        std::vector<uint8_t> dropped;
        if (!reader.Read(dropped)) return false;
        ++pass.shortDropped;
    }
}

} // namespace

bool FirstDatagramWaiting(MailslotReader& reader, MailslotPass& pass)
{
    return FullDatagramWaiting(reader, pass);
}

bool ContinuePassWithoutWaiting(MailslotReader& reader, MailslotPass& pass)
{
    if (++pass.datagramsRead >= kMostDatagramsPerPass) return false;
    return FullDatagramWaiting(reader, pass);
}

bool ContinuePass(MailslotReader& reader, ReceiveContext& context, MailslotPass& pass)
{
    if (++pass.datagramsRead >= kMostDatagramsPerPass) return false;
    if (FullDatagramWaiting(reader, pass)) return true;
    context.Pause(kWaitForNextDatagramMs);
    return FullDatagramWaiting(reader, pass);
}

} // namespace kivet
