// The SMB_COM_TRANSACTION request that carries one mailslot write inside a NetBIOS datagram
// (Remote Mailslot Protocol): the 32-byte SMB header, 17 parameter words with the setup words
// opcode 1 (write), priority and class, then "\MAILSLOT\<name>" and the message bytes.
#pragma once

#include <cstddef> // offsetof
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kivet::nbt {

constexpr uint8_t kSmbCommandTransaction = 0x25;
constexpr uint16_t kMailslotOpcodeWrite = 1;
constexpr uint16_t kMailslotPriority = 1;
constexpr uint16_t kMailslotClassUnreliable = 2; // second class: unacknowledged, may be broadcast
constexpr std::size_t kMaxMailslotNameLength = 255; // "\MAILSLOT\..." without its terminator

#pragma pack(push, 1)
// Everything before the mailslot name; multi-byte fields are little-endian byte pairs.
struct MailslotTransactionHeader {
    uint8_t protocol[4];       // 0xFF 'S' 'M' 'B'
    uint8_t command;           // SMB_COM_TRANSACTION
    uint8_t status[4];
    uint8_t flags;
    uint8_t flags2[2];
    uint8_t pidHigh[2];
    uint8_t securitySignature[8];
    uint8_t reserved[2];
    uint8_t tid[2];
    uint8_t pidLow[2];
    uint8_t uid[2];
    uint8_t mid[2];
    uint8_t wordCount;         // 17
    uint8_t totalParameterCount[2];
    uint8_t totalDataCount[2];
    uint8_t maxParameterCount[2];
    uint8_t maxDataCount[2];
    uint8_t maxSetupCount;
    uint8_t reserved1;
    uint8_t transactionFlags[2];
    uint8_t timeout[4];
    uint8_t reserved2[2];
    uint8_t parameterCount[2];
    uint8_t parameterOffset[2];
    uint8_t dataCount[2];
    uint8_t dataOffset[2];     // from the start of the SMB header
    uint8_t setupCount;        // 3
    uint8_t reserved3;
    uint8_t opcode[2];         // 1: write mail slot
    uint8_t priority[2];
    uint8_t mailslotClass[2];
    uint8_t byteCount[2];      // name, padding and data
};
#pragma pack(pop)
static_assert(sizeof(MailslotTransactionHeader) == 69, "SMB header, 17 words and the byte count");
static_assert(offsetof(MailslotTransactionHeader, wordCount) == 32, "parameter words follow the SMB header");
static_assert(offsetof(MailslotTransactionHeader, dataOffset) == 57, "data offset field");
static_assert(offsetof(MailslotTransactionHeader, opcode) == 61, "setup words");
static_assert(offsetof(MailslotTransactionHeader, byteCount) == 67, "byte count");

struct MailslotWrite {
    std::string mailslotName; // as sent: "\MAILSLOT\messngr"
    uint16_t priority = 0;
    uint16_t mailslotClass = 0;
    const uint8_t* data = nullptr; // inside the parsed buffer
    std::size_t size = 0;
};

// False unless the bytes are a complete mailslot write: the SMB header of a transaction, 17
// words, 3 setup words with opcode 1, a terminated name starting "\MAILSLOT\" inside the byte
// area, and the data (all of it: TotalDataCount equals DataCount) inside the byte area.
bool ParseMailslotTransaction(const uint8_t* bytes, std::size_t size, MailslotWrite& write);

// mailslotName is "\MAILSLOT\..." (any case); the caller has checked it.
std::vector<uint8_t> BuildMailslotTransaction(std::string_view mailslotName, const uint8_t* data, std::size_t size);

} // namespace kivet::nbt
