// The group datagram of "\mailslot\kivet\group": a group message (kind 0) or its receipt (kind 1),
// always 368 bytes, zero-filled, every text field in the OEM code page.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "common/text_codec.h"

namespace kivet {

struct GroupDatagram {
    uint32_t kind;       // little-endian
    char groupName[16];  // "@" and the Network Group name
    char targetName[16]; // domain, workgroup, "*" or computer the datagram was sent to
    char senderComputer[16];
    char senderName[16]; // normalised; a receipt carries the user name
    char text[300];      // fills the field when it is 300 characters long; empty in a receipt
};

static_assert(offsetof(GroupDatagram, groupName) == 4 && offsetof(GroupDatagram, targetName) == 20 &&
                  offsetof(GroupDatagram, senderComputer) == 36 && offsetof(GroupDatagram, senderName) == 52 &&
                  offsetof(GroupDatagram, text) == 68,
              "offsets");
static_assert(sizeof(GroupDatagram) == 368, "wire size");
static_assert(std::is_trivially_copyable_v<GroupDatagram>, "sent and received whole");

constexpr uint32_t kGroupMessage = 0;
constexpr uint32_t kGroupReceipt = 1;

// Every messenger answers a message to this group with a receipt and stores nothing: a presence probe.
constexpr std::string_view kPresenceProbeGroup = "@KIVETFAKEGROUP";

// The fields of a group datagram in the ANSI code page.
struct GroupFields {
    uint32_t kind = kGroupMessage;
    std::string groupName;
    std::string targetName;
    std::string senderComputer;
    std::string senderName;
    std::string text;
};

using GroupDatagramBytes = std::array<uint8_t, sizeof(GroupDatagram)>;

// Converts the fields to OEM, normalises the sender name and cuts each field at a NUL it may
// hold and to its width: 15 characters for the names, 300 for the text.
GroupDatagramBytes BuildGroupDatagram(const TextCodec& codec, const GroupFields& fields);

// Reads any byte string as a zero-filled record (a longer one is cut, a shorter one padded);
// the names end inside their 16 bytes, and the fields are converted to ANSI.
GroupFields ReadGroupDatagram(const TextCodec& codec, const uint8_t* data, std::size_t size);

} // namespace kivet
