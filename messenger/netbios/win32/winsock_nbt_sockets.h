// The service's two UDP sockets over Winsock: bound to every local address on the name service
// and datagram service ports (so that subnet broadcasts arrive), broadcasts allowed.
#pragma once

#include <cstdint>
#include <string>

#include "messenger/netbios/nbt_sockets.h"

namespace kivet::nbt {

class WinsockNbtSockets final : public NbtSockets {
public:
    WinsockNbtSockets() = default;
    ~WinsockNbtSockets() override;
    WinsockNbtSockets(const WinsockNbtSockets&) = delete;
    WinsockNbtSockets& operator=(const WinsockNbtSockets&) = delete;

    // False when a port cannot be bound (another NetBIOS holds it, or the port is privileged);
    // failedPort then names it.
    bool Open(uint16_t nameServicePort, uint16_t datagramPort, uint16_t& failedPort);
    void Close();

    void Send(uint16_t localPort, uint32_t address, uint16_t port, const std::vector<uint8_t>& bytes) override;
    bool Receive(int timeoutMs, ReceivedPacket& packet) override;

private:
    std::uintptr_t nameService_ = ~std::uintptr_t{0};
    std::uintptr_t datagram_ = ~std::uintptr_t{0};
    uint16_t nameServicePort_ = 0;
    uint16_t datagramPort_ = 0;
};

} // namespace kivet::nbt
