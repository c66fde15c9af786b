#include "messenger/netbios/mailslot_transaction.h"

#include <algorithm>
#include <cstring>

#include "common/fixed_text.h"

namespace kivet::nbt {
namespace {

constexpr uint8_t kSmbProtocol[4] = {0xFF, 'S', 'M', 'B'};
constexpr uint8_t kMailslotWordCount = 17;
constexpr uint8_t kMailslotSetupCount = 3;
constexpr std::string_view kMailslotPrefix = "\\MAILSLOT\\";

uint16_t Le16(const uint8_t (&field)[2])
{
    return static_cast<uint16_t>(field[0] | field[1] << 8);
}

void SetLe16(uint8_t (&field)[2], std::size_t value)
{
    field[0] = static_cast<uint8_t>(value);
    field[1] = static_cast<uint8_t>(value >> 8);
}

bool IsMailslotWriteHeader(const MailslotTransactionHeader& header)
{
    return std::memcmp(header.protocol, kSmbProtocol, sizeof kSmbProtocol) == 0 &&
           header.command == kSmbCommandTransaction && header.wordCount == kMailslotWordCount &&
           header.setupCount == kMailslotSetupCount && Le16(header.opcode) == kMailslotOpcodeWrite;
}

} // namespace

bool ParseMailslotTransaction(const uint8_t* bytes, std::size_t size, MailslotWrite& write)
{
    write = MailslotWrite{};
    MailslotTransactionHeader header;
    if (size < sizeof header) return false;
    std::memcpy(&header, bytes, sizeof header);
    if (!IsMailslotWriteHeader(header)) return false;
    const std::size_t byteAreaEnd = sizeof header + Le16(header.byteCount);
    if (byteAreaEnd > size) return false;

    const auto* nameStart = reinterpret_cast<const char*>(bytes + sizeof header);
    const std::size_t nameRoom = std::min(byteAreaEnd - sizeof header, kMaxMailslotNameLength + 1);
    const auto* terminator = static_cast<const char*>(std::memchr(nameStart, '\0', nameRoom));
    if (terminator == nullptr) return false;
    const std::string_view name(nameStart, static_cast<std::size_t>(terminator - nameStart));
    if (name.size() < kMailslotPrefix.size() || !EqualsNoCase(name.substr(0, kMailslotPrefix.size()), kMailslotPrefix))
        return false;

    const std::size_t dataOffset = Le16(header.dataOffset);
    const std::size_t dataCount = Le16(header.dataCount);
    const std::size_t nameEnd = sizeof header + name.size() + 1;
    if (Le16(header.totalDataCount) != dataCount || dataOffset < nameEnd || dataOffset > byteAreaEnd ||
        dataCount > byteAreaEnd - dataOffset)
        return false;

    write.mailslotName.assign(name);
    write.priority = Le16(header.priority);
    write.mailslotClass = Le16(header.mailslotClass);
    write.data = bytes + dataOffset;
    write.size = dataCount;
    return true;
}

std::vector<uint8_t> BuildMailslotTransaction(std::string_view mailslotName, const uint8_t* data, std::size_t size)
{
    MailslotTransactionHeader header{};
    std::memcpy(header.protocol, kSmbProtocol, sizeof kSmbProtocol);
    header.command = kSmbCommandTransaction;
    header.wordCount = kMailslotWordCount;
    const std::size_t dataOffset = sizeof header + mailslotName.size() + 1;
    SetLe16(header.totalDataCount, size);
    SetLe16(header.dataCount, size);
    SetLe16(header.dataOffset, dataOffset);
    header.setupCount = kMailslotSetupCount;
    SetLe16(header.opcode, kMailslotOpcodeWrite);
    SetLe16(header.priority, kMailslotPriority);
    SetLe16(header.mailslotClass, kMailslotClassUnreliable);
    SetLe16(header.byteCount, mailslotName.size() + 1 + size);

    std::vector<uint8_t> bytes(dataOffset + size);
    std::memcpy(bytes.data(), &header, sizeof header);
    std::memcpy(bytes.data() + sizeof header, mailslotName.data(), mailslotName.size());
    bytes[sizeof header + mailslotName.size()] = 0;
    if (size != 0) std::memcpy(bytes.data() + dataOffset, data, size);
    return bytes;
}

} // namespace kivet::nbt
