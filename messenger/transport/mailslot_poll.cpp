#include "messenger/transport/mailslot_poll.h"

#include <cstdint>
#include <vector>

namespace kivet {
namespace {

constexpr uint32_t kShortestDatagram = 6;
constexpr unsigned kWaitForNextDatagramMs = 100;

} // namespace

bool FirstDatagramWaiting(MailslotReader& reader)
{
    uint32_t nextSize = 0;
    uint32_t waiting = 0;
    if (!reader.Peek(nextSize, waiting) || waiting == 0) return false;
    if (nextSize >= kShortestDatagram) return true;
    std::vector<uint8_t> dropped;
    reader.Read(dropped);
    return false;
}

bool MoreDatagramsWaiting(MailslotReader& reader)
{
    uint32_t nextSize = 0;
    uint32_t waiting = 0;
    return reader.Peek(nextSize, waiting) && waiting != 0;
}

bool ContinuePass(MailslotReader& reader, ReceiveContext& context, int datagramsRead)
{
    if (datagramsRead >= kMostDatagramsPerPass) return false;
    if (MoreDatagramsWaiting(reader)) return true;
    context.Pause(kWaitForNextDatagramMs);
    return MoreDatagramsWaiting(reader);
}

} // namespace kivet
