// An in-memory IPv4 subnet for the service tests: each node's sockets get the packets addressed
// to it or to the broadcast address (the sender's own broadcasts included, as on a real LAN).
#pragma once

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>

#include "messenger/netbios/nbt_sockets.h"

namespace kivet::nbt::test {

class MemorySubnet;

class MemorySockets final : public NbtSockets {
public:
    MemorySockets(MemorySubnet& subnet, uint32_t address) : subnet_(subnet), address_(address) {}

    void Send(uint16_t localPort, uint32_t address, uint16_t port, const std::vector<uint8_t>& bytes) override;
    bool Receive(int timeoutMs, ReceivedPacket& packet) override;
    void Queue(const ReceivedPacket& packet);

private:
    MemorySubnet& subnet_;
    uint32_t address_;
    std::mutex lock_;
    std::condition_variable arrived_;
    std::deque<ReceivedPacket> queue_;
};

class MemorySubnet {
public:
    explicit MemorySubnet(uint32_t broadcast) : broadcast_(broadcast) {}
    void Attach(uint32_t address, MemorySockets& sockets)
    {
        std::lock_guard<std::mutex> guard(lock_);
        nodes_[address] = &sockets;
    }
    void Detach(uint32_t address)
    {
        std::lock_guard<std::mutex> guard(lock_);
        nodes_.erase(address);
    }
    void Carry(uint32_t from, uint16_t fromPort, uint32_t to, uint16_t toPort, const std::vector<uint8_t>& bytes);

private:
    uint32_t broadcast_;
    std::mutex lock_;
    std::map<uint32_t, MemorySockets*> nodes_;
};

} // namespace kivet::nbt::test
