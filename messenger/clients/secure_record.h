// The one record of the secure exchange on TCP port 19803: 5348 bytes, sent and received whole,
// integers little-endian, every byte not written zero.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace kivet {

constexpr uint32_t kSecureStatusRequest = 10;        // the sender asks for a message key
constexpr uint32_t kSecureStatusAnswer = 11;         // the reply to 10, with the answering prekey
constexpr uint32_t kSecureStatusMessage = 12;        // the enciphered text
constexpr uint32_t kSecureStatusTransfer = 13;       // the transfer component asks for a file key
constexpr uint32_t kSecureStatusTransferAnswer = 14; // the reply to 13

constexpr std::size_t kSecureNameSize = 20;     // at most 19 characters and the terminator
constexpr std::size_t kSecurePrekeySize = 300;
constexpr std::size_t kSecurePayloadSize = 5000;
constexpr std::size_t kSecureKeySize = 16;
constexpr uint32_t kSecureMaxTextLength = 4999;

struct SecureRecord {
    uint32_t type;
    uint32_t textLength;                  // characters of the plain text (messages only)
    char senderName[kSecureNameSize];     // the name shown as the sender
    char senderComputer[kSecureNameSize]; // answers go back to it; keys are filed under it
    uint8_t prekey[kSecurePrekeySize];    // requests and answers
    uint8_t payload[kSecurePayloadSize];  // messages: the enciphered text in whole 8-byte blocks
};

static_assert(offsetof(SecureRecord, textLength) == 4, "layout");
static_assert(offsetof(SecureRecord, senderName) == 8, "layout");
static_assert(offsetof(SecureRecord, senderComputer) == 28, "layout");
static_assert(offsetof(SecureRecord, prekey) == 48, "layout");
static_assert(offsetof(SecureRecord, payload) == 348, "layout");
static_assert(sizeof(SecureRecord) == 5348, "wire size");
static_assert(std::is_trivially_copyable_v<SecureRecord>, "sent and received whole");
// The two integers travel as the host holds them; both builds run on little-endian processors.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the record's integers are little-endian");

} // namespace kivet
