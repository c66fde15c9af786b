// Datagram service packets of NetBIOS over TCP/IP (UDP port 138), RFC 1002 section 4.4.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "messenger/browser/netbios.h"

namespace kivet::nbt {

constexpr uint8_t kDgmDirectUnique = 0x10;
constexpr uint8_t kDgmDirectGroup = 0x11;
constexpr uint8_t kDgmBroadcast = 0x12;
constexpr uint8_t kDgmError = 0x13;
constexpr uint8_t kDgmQueryRequest = 0x14;
constexpr uint8_t kDgmPositiveQueryResponse = 0x15;
constexpr uint8_t kDgmNegativeQueryResponse = 0x16;

constexpr uint8_t kDgmMoreFlag = 0x01;
constexpr uint8_t kDgmFirstFlag = 0x02;
constexpr uint8_t kDgmNodeTypeMask = 0x0C; // 0 for a B-node

constexpr uint8_t kDgmErrorNameNotPresent = 0x82;
constexpr uint8_t kDgmErrorBadSourceName = 0x83;
constexpr uint8_t kDgmErrorBadDestinationName = 0x84;

// Type, flags, id, source address and port, length and offset.
constexpr std::size_t kDgmHeaderSize = 14;
// NetBIOS datagrams carry at most 512 bytes of user data; longer data goes in fragments.
constexpr std::size_t kMaxDatagramUserData = 512;

struct DatagramPacket {
    uint8_t type = kDgmDirectUnique;
    uint8_t flags = kDgmFirstFlag;
    uint16_t id = 0;
    uint32_t sourceAddress = 0; // IPv4, host order
    uint16_t sourcePort = 138;
    uint16_t offset = 0;        // of this fragment's user data in the whole datagram
    NetBiosName source{};
    std::string sourceScope;
    NetBiosName destination{};
    std::string destinationScope;
    std::vector<uint8_t> userData;
    uint8_t errorCode = 0; // DATAGRAM ERROR only

    bool IsFirst() const { return (flags & kDgmFirstFlag) != 0; }
    bool HasMore() const { return (flags & kDgmMoreFlag) != 0; }
};

// False for anything malformed: short, bad names, a length past the end or shorter than the names.
bool ParseDatagramPacket(const uint8_t* data, std::size_t size, DatagramPacket& packet);

std::vector<uint8_t> BuildDatagramPacket(const DatagramPacket& packet);

// The packets that carry userData: one when it fits kMaxDatagramUserData, else FIRST/MORE
// fragments with their offsets (all with the template's id, names and type).
std::vector<DatagramPacket> FragmentDatagram(const DatagramPacket& whole);

} // namespace kivet::nbt
