// Doubles for the engine tests: a sender that records every packet, local mailslots that record
// every delivery, and helpers that read recorded packets back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "messenger/netbios/datagram_packet.h"
#include "messenger/netbios/engine_ports.h"
#include "messenger/netbios/name_service_packet.h"

namespace kivet::nbt::test {

constexpr uint32_t kOwnAddress = 0xC0A80A01;   // 192.168.10.1
constexpr uint32_t kBroadcast = 0xC0A80AFF;    // 192.168.10.255
constexpr uint32_t kPeerAddress = 0xC0A80A02;  // 192.168.10.2
constexpr uint32_t kOtherAddress = 0xC0A80A03; // 192.168.10.3
constexpr uint32_t kWinsAddress = 0xC0A80A0A;

struct SentPacket {
    uint16_t localPort = 0;
    uint32_t address = 0;
    uint16_t port = 0;
    std::vector<uint8_t> bytes;

    NameServicePacket AsNameService() const;
    DatagramPacket AsDatagram() const;
};

class RecordingSender final : public PacketSender {
public:
    void Send(uint16_t localPort, uint32_t address, uint16_t port, const std::vector<uint8_t>& bytes) override
    {
        sent.push_back(SentPacket{localPort, address, port, bytes});
    }
    // The packets sent since the last call.
    std::vector<SentPacket> Take();

    std::vector<SentPacket> sent;
};

struct Delivery {
    std::string leaf;
    std::vector<uint8_t> data;
};

class RecordingMailslots final : public LocalMailslots {
public:
    bool Deliver(std::string_view leaf, const uint8_t* data, std::size_t size) override
    {
        delivered.push_back(Delivery{std::string(leaf), std::vector<uint8_t>(data, data + size)});
        return accept;
    }

    std::vector<Delivery> delivered;
    bool accept = true;
};

EngineConfig TestConfig();
NetBiosName Name(const char* text, uint8_t suffix);
std::vector<uint8_t> Bytes(std::string_view text);

} // namespace kivet::nbt::test
