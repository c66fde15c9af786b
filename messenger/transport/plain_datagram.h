// The Messenger-format datagram of "\mailslot\messngr": sender, recipient, text, origin and flag,
// each followed by a NUL. Other software sends the shorter forms without origin and flag, which
// the reader accepts too. All text travels in the OEM code page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/text_codec.h"

namespace kivet {

constexpr std::size_t kPlainNameLength = 15;   // sender name, recipient and origin on the wire
constexpr std::size_t kPlainPieceLength = 300; // text of one datagram
constexpr std::size_t kPlainBuildLimit = 369;  // no datagram the program writes is longer
constexpr std::size_t kPlainReadLimit = 372;   // longer received datagrams are cut to this

// Appended to the sender name of an automatic answer (string 259).
constexpr std::string_view kAutoReplySuffix = " (AUTO-REPLY)";

constexpr uint8_t kPlainFlagOrdinary = 0;
constexpr uint8_t kPlainFlagAutoReply = 1; // the receiver must not answer it automatically
constexpr uint8_t kPlainFlagSplitPiece = 2;

// The addressing part of an outgoing datagram, as the caller has it.
struct PlainHeader {
    std::string_view senderName;     // normalised and cut to 15 characters by the builder
    bool autoReply = false;          // the sender then carries kAutoReplySuffix
    std::string_view recipient;      // normalised and cut to 15 characters
    std::string_view originComputer; // cut to 15 characters, case kept
};

// The pieces a text travels in: shorter than 300 characters, the text itself; otherwise
// floor(n / 300) pieces of 300 characters and one last piece of n mod 300 (possibly empty).
std::vector<std::string_view> SplitPlainText(std::string_view text);

// One datagram: the fields converted to OEM, each cut at a NUL it may contain and to its width
// (the piece to 300 characters), joined by NULs, then the flag byte and a final NUL.
std::vector<uint8_t> BuildPlainDatagram(const TextCodec& codec, const PlainHeader& header, std::string_view piece,
                                        uint8_t flag);

// The class of a received datagram by its NUL bytes: 0 (0 or 1 NUL, invalid), 1 (2 NULs: the text
// is not terminated), 2 (3 NULs: the Messenger Service form), 3 (4 or more: origin and flag).
int ClassifyPlainDatagram(const uint8_t* data, std::size_t size);

// The byte before the last one, the flag of class 3 and a text character in the other classes;
// 0 for a datagram shorter than 2 bytes.
uint8_t PlainFlagByte(const uint8_t* data, std::size_t size);

// A received datagram, its fields converted to ANSI.
struct PlainDatagram {
    int datagramClass = 0;
    uint8_t flag = 0;
    std::string sender;
    std::string recipient;
    std::string text;   // at most 300 characters
    std::string origin; // class 3 only
};

// Reads any byte string; nothing for class 0 or when sender and recipient are both empty.
std::optional<PlainDatagram> ReadPlainDatagram(const TextCodec& codec, const uint8_t* data, std::size_t size);

} // namespace kivet
