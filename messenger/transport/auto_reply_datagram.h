// The auto-reply datagram of "\mailslot\kivet\autoanswer": a request for a computer's Auto-Reply
// message (kind 0) or the answer (kind 1), always 292 bytes, zero-filled, text in the OEM code page.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

#include "common/text_codec.h"

namespace kivet {

struct AutoReplyDatagram {
    uint32_t kind;         // little-endian
    char computerName[16]; // request: the requesting computer; answer: the answering computer
    char addressedTo[16];  // the computer the datagram is written to
    char message[256];     // answer: the Auto-Reply message; request: empty
};

static_assert(offsetof(AutoReplyDatagram, computerName) == 4 && offsetof(AutoReplyDatagram, addressedTo) == 20 &&
                  offsetof(AutoReplyDatagram, message) == 36,
              "offsets");
static_assert(sizeof(AutoReplyDatagram) == 292, "wire size");
static_assert(std::is_trivially_copyable_v<AutoReplyDatagram>, "sent and received whole");

constexpr uint32_t kAutoReplyRequest = 0;
constexpr uint32_t kAutoReplyAnswer = 1;

// The fields of an auto-reply datagram in the ANSI code page.
struct AutoReplyFields {
    uint32_t kind = kAutoReplyRequest;
    std::string computerName;
    std::string addressedTo;
    std::string message;
};

using AutoReplyDatagramBytes = std::array<uint8_t, sizeof(AutoReplyDatagram)>;

// Converts the fields to OEM and cuts each at a NUL it may hold and inside its width (15
// characters for the names, 255 for the message).
AutoReplyDatagramBytes BuildAutoReplyDatagram(const TextCodec& codec, const AutoReplyFields& fields);

// Reads any byte string as a zero-filled record (a longer one is cut, a shorter one padded);
// every field ends inside its width and is converted to ANSI.
AutoReplyFields ReadAutoReplyDatagram(const TextCodec& codec, const uint8_t* data, std::size_t size);

} // namespace kivet
