// The two UDP sockets of the service (name service and datagram service), as a seam: Winsock on
// Windows, BSD sockets natively, and an in-memory subnet in tests.
#pragma once

#include <cstdint>
#include <vector>

#include "messenger/netbios/engine_ports.h"

namespace kivet::nbt {

struct ReceivedPacket {
    uint16_t localPort = 0; // which of the two sockets received it
    uint32_t from = 0;      // IPv4, host order
    uint16_t fromPort = 0;
    std::vector<uint8_t> bytes;
};

// Longest UDP payload read; a longer datagram is dropped whole, never cut.
constexpr std::size_t kMaxReceivedPacket = 4096;

class NbtSockets : public PacketSender {
public:
    // Waits up to timeoutMs for one packet on either socket; false when none came.
    virtual bool Receive(int timeoutMs, ReceivedPacket& packet) = 0;
};

} // namespace kivet::nbt
