// The datagrams exchanged with the relay server. They carry ANSI text as it is (no OEM
// conversion); every integer is 32-bit little-endian, written and read byte by byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace kivet {

// Group-list request, to "\mailslot\kgserver".
struct RelayGroupListRequest {
    uint8_t reserved[8]; // zero
    char userName[16];
    char computerName[16];
    uint8_t unused[380]; // zero
};
static_assert(sizeof(RelayGroupListRequest) == 420, "wire size");
static_assert(offsetof(RelayGroupListRequest, userName) == 8, "offset");
static_assert(offsetof(RelayGroupListRequest, computerName) == 24, "offset");
static_assert(std::is_trivially_copyable_v<RelayGroupListRequest>, "sent whole");

// Offline-messages request (kind 1) and offline-message store (kind 0), to "\mailslot\kmserver".
struct RelayOfflineDatagram {
    uint8_t kind[4];
    char name[20];     // request: the user name; store: the sender, normalised
    char peerName[16]; // request: the computer name; store: the recipient
    char text[300];    // store: at most kRelayOfflineTextLimit characters; request: zero
};
static_assert(sizeof(RelayOfflineDatagram) == 340, "wire size");
static_assert(offsetof(RelayOfflineDatagram, name) == 4, "offset");
static_assert(offsetof(RelayOfflineDatagram, peerName) == 24, "offset");
static_assert(offsetof(RelayOfflineDatagram, text) == 40, "offset");
static_assert(std::is_trivially_copyable_v<RelayOfflineDatagram>, "sent whole");

constexpr uint32_t kRelayOfflineStoreKind = 0;
constexpr uint32_t kRelayOfflineRequestKind = 1;
constexpr std::size_t kRelayOfflineTextLimit = 260;

// Group-list answer, received on "\mailslot\kgclient": a 40-byte header (reset flag at 0, entry
// count at 4, bytes 8-39 unused) and 20-byte entries, each a NUL-terminated group name.
constexpr std::size_t kRelayAnswerSize = 420;
constexpr std::size_t kRelayAnswerHeaderSize = 40;
// An answer may be shorter than its 420 bytes and is read as if zero-filled: the reset flag and
// the count are all it needs (an 8-byte answer with the flag set means "no groups").
constexpr std::size_t kRelayAnswerShortestSize = 8;
constexpr std::size_t kRelayAnswerEntrySize = 20;
constexpr std::size_t kRelayAnswerMaxEntries = (kRelayAnswerSize - kRelayAnswerHeaderSize) / kRelayAnswerEntrySize;
static_assert(kRelayAnswerMaxEntries == 19, "entries that fit in one answer");

struct RelayGroupListAnswer {
    bool reset = false;
    std::vector<std::string> entries; // as received, each at most 19 characters; may be empty
};

// Names longer than a field are cut so that the terminator fits.
RelayGroupListRequest BuildGroupListRequest(std::string_view user, std::string_view computer);
RelayOfflineDatagram BuildOfflineRequest(std::string_view user, std::string_view computer);
RelayOfflineDatagram BuildOfflineStore(std::string_view senderNormalised, std::string_view recipient,
                                       std::string_view text);

// Reads an answer of the given received length. Only the first 420 bytes count; the entries are
// bounded by the announced count, the 19 that fit and the received length, and a name that fills
// its entry without a terminator is cut to 19 characters. Nothing when the datagram is too short
// to hold the reset flag and the count (8 bytes).
std::optional<RelayGroupListAnswer> ParseGroupListAnswer(const uint8_t* data, std::size_t size);

} // namespace kivet
