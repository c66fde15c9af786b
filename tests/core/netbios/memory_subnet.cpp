#include "tests/core/netbios/memory_subnet.h"

#include <chrono>

namespace kivet::nbt::test {

void MemorySockets::Send(uint16_t localPort, uint32_t address, uint16_t port, const std::vector<uint8_t>& bytes)
{
    subnet_.Carry(address_, localPort, address, port, bytes);
}

bool MemorySockets::Receive(int timeoutMs, ReceivedPacket& packet)
{
    std::unique_lock<std::mutex> guard(lock_);
    if (!arrived_.wait_for(guard, std::chrono::milliseconds(timeoutMs), [&] { return !queue_.empty(); })) return false;
    packet = std::move(queue_.front());
    queue_.pop_front();
    return true;
}

void MemorySockets::Queue(const ReceivedPacket& packet)
{
    {
        std::lock_guard<std::mutex> guard(lock_);
        queue_.push_back(packet);
    }
    arrived_.notify_one();
}

void MemorySubnet::Carry(uint32_t from, uint16_t fromPort, uint32_t to, uint16_t toPort, const std::vector<uint8_t>& bytes)
{
    const ReceivedPacket packet{toPort, from, fromPort, bytes};
    std::lock_guard<std::mutex> guard(lock_);
    for (auto& [address, sockets] : nodes_)
        if (to == broadcast_ || to == address) sockets->Queue(packet);
}

} // namespace kivet::nbt::test
