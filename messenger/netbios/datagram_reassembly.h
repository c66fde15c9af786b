// Joins fragmented NetBIOS datagrams (FIRST/MORE flags and offsets) with bounded memory and
// time: a datagram whose fragments do not all arrive within the time-out is dropped, and the
// number and size of datagrams being joined are capped, so a flood of fragments that never
// complete cannot grow without limit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <optional>
#include <vector>

#include "messenger/netbios/datagram_packet.h"

namespace kivet::nbt {

struct ReassemblyLimits {
    std::size_t maxPending = 16;         // datagrams being joined at once
    std::size_t maxDatagramSize = 8192;  // user data of one joined datagram
    std::size_t maxTotalBytes = 65536;   // user data held over all of them
    int64_t timeoutMs = 2000;            // from the first fragment seen
};

class DatagramReassembly {
public:
    explicit DatagramReassembly(ReassemblyLimits limits = {}) : limits_(limits) {}

    // The whole datagram once its last missing fragment arrives (at once for an unfragmented
    // one); nothing while fragments are missing or when the fragment was refused.
    std::optional<DatagramPacket> Add(const DatagramPacket& fragment, int64_t nowMs);

    // Drops the datagrams whose time is up.
    void Expire(int64_t nowMs);

    std::size_t PendingCount() const { return pending_.size(); }
    std::size_t PendingBytes() const { return totalBytes_; }

private:
    struct Pending {
        uint32_t address = 0;
        uint16_t port = 0;
        uint16_t id = 0;
        int64_t startedMs = 0;
        bool lastSeen = false;
        std::size_t endOffset = 0; // offset just after the last fragment's data
        std::size_t bytes = 0;
        std::optional<DatagramPacket> first;
        std::map<std::size_t, std::vector<uint8_t>> parts; // by offset
    };

    std::list<Pending>::iterator Find(const DatagramPacket& fragment);
    bool Store(Pending& pending, const DatagramPacket& fragment);
    std::optional<DatagramPacket> TakeIfComplete(std::list<Pending>::iterator it);
    void Drop(std::list<Pending>::iterator it);
    void MakeRoom(std::size_t bytes);

    ReassemblyLimits limits_;
    std::list<Pending> pending_; // oldest first
    std::size_t totalBytes_ = 0;
};

} // namespace kivet::nbt
