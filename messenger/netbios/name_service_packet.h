// Name service packets of NetBIOS over TCP/IP (UDP port 137): the header, questions and
// resource records of RFC 1002 section 4.2, read from and written to bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "messenger/browser/netbios.h"

namespace kivet::nbt {

// The 16-bit word after the transaction id: R, OPCODE, NM_FLAGS and RCODE.
constexpr uint16_t kNsResponse = 0x8000;
constexpr int kNsOpcodeShift = 11;
constexpr uint16_t kNsAuthoritative = 0x0400;
constexpr uint16_t kNsTruncated = 0x0200;
constexpr uint16_t kNsRecursionDesired = 0x0100;
constexpr uint16_t kNsRecursionAvailable = 0x0080;
constexpr uint16_t kNsBroadcast = 0x0010;

constexpr uint8_t kOpQuery = 0;
constexpr uint8_t kOpRegistration = 5;
constexpr uint8_t kOpRelease = 6;
constexpr uint8_t kOpWack = 7;
constexpr uint8_t kOpRefresh = 8;
constexpr uint8_t kOpRefreshAlternative = 9;
constexpr uint8_t kOpMultiHomedRegistration = 15;

constexpr uint8_t kRcodeGoodAnswer = 0;
constexpr uint8_t kRcodeFormatError = 1;
constexpr uint8_t kRcodeServerFailure = 2;
constexpr uint8_t kRcodeNameError = 3;
constexpr uint8_t kRcodeUnsupported = 4;
constexpr uint8_t kRcodeRefused = 5;
constexpr uint8_t kRcodeActive = 6;   // the name is owned by another node
constexpr uint8_t kRcodeConflict = 7; // name in conflict

constexpr uint16_t kTypeNb = 0x0020;
constexpr uint16_t kTypeNodeStatus = 0x0021;
constexpr uint16_t kClassInternet = 0x0001;

// NB_FLAGS of an address entry.
constexpr uint16_t kNbGroup = 0x8000;
constexpr uint16_t kNbOwnerTypeMask = 0x6000; // 0 B-node, 0x2000 P-node, 0x4000 M-node

// NAME_FLAGS of a node status entry.
constexpr uint16_t kStatusGroup = 0x8000;
constexpr uint16_t kStatusDeregistering = 0x1000;
constexpr uint16_t kStatusConflict = 0x0800;
constexpr uint16_t kStatusActive = 0x0400;
constexpr uint16_t kStatusPermanent = 0x0200;

constexpr std::size_t kNsHeaderSize = 12;
constexpr std::size_t kStatisticsSize = 46; // after the names: unit id (MAC) and counters
// Records read from one packet at most; a name service packet never needs more.
constexpr std::size_t kMaxRecordsPerPacket = 32;

struct NsQuestion {
    NetBiosName name{};
    std::string scope;
    uint16_t type = kTypeNb;
    uint16_t questionClass = kClassInternet;
};

struct NbAddress {
    uint16_t flags = 0;
    uint32_t address = 0; // IPv4, host order
};

struct NodeStatusName {
    NetBiosName name{};
    uint16_t flags = 0;
};

struct NsRecord {
    NetBiosName name{};
    std::string scope;
    uint16_t type = kTypeNb;
    uint16_t recordClass = kClassInternet;
    uint32_t ttl = 0;
    std::vector<NbAddress> addresses;        // type NB
    std::vector<NodeStatusName> statusNames; // type NBSTAT
    std::array<uint8_t, 6> unitId{};         // type NBSTAT: the adapter's MAC address
    std::vector<uint8_t> rawData;            // any other type (a WACK's copy of the flags)
};

struct NameServicePacket {
    uint16_t id = 0;
    uint16_t flags = 0;
    std::vector<NsQuestion> questions;
    std::vector<NsRecord> answers;
    std::vector<NsRecord> authority;
    std::vector<NsRecord> additional;

    bool IsResponse() const { return (flags & kNsResponse) != 0; }
    uint8_t Opcode() const { return static_cast<uint8_t>(flags >> kNsOpcodeShift & 0x0F); }
    uint8_t Rcode() const { return static_cast<uint8_t>(flags & 0x0F); }
};

constexpr uint16_t NsFlags(bool response, uint8_t opcode, uint16_t nmFlags, uint8_t rcode = 0)
{
    return static_cast<uint16_t>((response ? kNsResponse : 0) | opcode << kNsOpcodeShift | nmFlags | rcode);
}

// False for anything malformed: short, over-long names, pointer loops, lengths past the end,
// more records than kMaxRecordsPerPacket. Bytes after the last record are ignored.
bool ParseNameServicePacket(const uint8_t* data, std::size_t size, NameServicePacket& packet);

// A record whose name and scope equal the first question's is written as a pointer to it.
std::vector<uint8_t> BuildNameServicePacket(const NameServicePacket& packet);

} // namespace kivet::nbt
