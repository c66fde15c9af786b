// The service's two UDP sockets over BSD sockets, for running our NetBIOS natively (tests
// against Samba's tools in network namespaces). Bound to every local address on the two ports,
// broadcasts allowed.
#pragma once

#include <cstdint>

#include "messenger/netbios/nbt_sockets.h"

namespace kivet::nbt {

class PosixNbtSockets final : public NbtSockets {
public:
    PosixNbtSockets() = default;
    ~PosixNbtSockets() override;
    PosixNbtSockets(const PosixNbtSockets&) = delete;
    PosixNbtSockets& operator=(const PosixNbtSockets&) = delete;

    // False when a port cannot be bound; failedPort then names it.
    bool Open(uint16_t nameServicePort, uint16_t datagramPort, uint16_t& failedPort);
    void Close();

    void Send(uint16_t localPort, uint32_t address, uint16_t port, const std::vector<uint8_t>& bytes) override;
    bool Receive(int timeoutMs, ReceivedPacket& packet) override;

private:
    int nameService_ = -1;
    int datagram_ = -1;
    uint16_t nameServicePort_ = 0;
    uint16_t datagramPort_ = 0;
};

} // namespace kivet::nbt
