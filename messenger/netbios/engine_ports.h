// What the NetBIOS engine needs from outside: a way to send UDP packets, the local mailslots
// that received datagrams are written into, and its settings. The engine itself never touches a
// socket or a clock, so it runs the same under tests with fakes and in the service thread.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kivet::nbt {

constexpr uint16_t kNameServicePort = 137;
constexpr uint16_t kDatagramPort = 138;

class PacketSender {
public:
    virtual ~PacketSender() = default;
    // One UDP datagram from the local port (the name service's or the datagram service's) to
    // address:port (IPv4, host order). Losses are not reported: UDP gives no guarantee anyway.
    virtual void Send(uint16_t localPort, uint32_t address, uint16_t port, const std::vector<uint8_t>& bytes) = 0;
};

// The mailslots of this computer, by their name below "\mailslot\" (for example "messngr" or
// "kivet\group"). The engine has checked the name (see mailslot_path.h) before it calls.
class LocalMailslots {
public:
    virtual ~LocalMailslots() = default;
    // Writes the message as one datagram; false when no such mailslot is open.
    virtual bool Deliver(std::string_view leaf, const uint8_t* data, std::size_t size) = 0;
};

struct EngineConfig {
    uint32_t localAddress = 0;     // the interface address, host order
    uint32_t broadcastAddress = 0; // the subnet's broadcast address
    uint32_t winsServer = 0;       // 0: broadcast only (B-node)
    std::array<uint8_t, 6> mac{};
    uint16_t nameServicePort = kNameServicePort; // local and remote
    uint16_t datagramPort = kDatagramPort;
    // Broadcast requests: three sends 750 ms apart (Windows's BcastNameQueryCount and
    // BcastQueryTimeout); requests to a WINS server: three sends 1500 ms apart.
    int broadcastSends = 3;
    int64_t broadcastIntervalMs = 750;
    int unicastSends = 3;
    int64_t unicastIntervalMs = 1500;
    int64_t maxWackMs = 60000;       // longest wait a WACK may ask for
    int64_t cacheLifetimeMs = 600000; // resolved names kept for mailslot writes
    std::size_t maxNames = 254;       // local name table
    std::size_t maxDiscovered = 256;  // computers asked for their status in one discovery
    uint16_t firstTransactionId = 1;
};

} // namespace kivet::nbt
