#include "messenger/transport/group_datagram.h"

#include <algorithm>
#include <cstring>

#include "common/fixed_text.h"

namespace kivet {
namespace {

// Fills a field with the converted text up to a NUL it may hold; names keep their terminator,
// the text may fill its field.
template <std::size_t N> void PutField(char (&field)[N], const std::string& oem, std::size_t width)
{
    const std::string_view text = std::string_view(oem).substr(0, oem.find('\0'));
    std::memcpy(field, text.data(), std::min(text.size(), width));
}

void StoreLe32(uint8_t* bytes, uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t LoadLe32(const uint8_t* bytes)
{
    return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

// The name a received field holds, ended inside its width.
template <std::size_t N> std::string NameField(const TextCodec& codec, char (&field)[N])
{
    field[N - 1] = '\0';
    return codec.OemToAnsi(FieldText(field));
}

} // namespace

GroupDatagramBytes BuildGroupDatagram(const TextCodec& codec, const GroupFields& fields)
{
    GroupDatagram record{};
    PutField(record.groupName, codec.AnsiToOem(fields.groupName), sizeof record.groupName - 1);
    PutField(record.targetName, codec.AnsiToOem(fields.targetName), sizeof record.targetName - 1);
    PutField(record.senderComputer, codec.AnsiToOem(fields.senderComputer), sizeof record.senderComputer - 1);
    PutField(record.senderName, codec.AnsiToOem(NormaliseName(codec, fields.senderName)), sizeof record.senderName - 1);
    PutField(record.text, codec.AnsiToOem(fields.text), sizeof record.text);

    GroupDatagramBytes bytes{};
    std::memcpy(bytes.data(), &record, sizeof record);
    StoreLe32(bytes.data(), fields.kind);
    return bytes;
}

GroupFields ReadGroupDatagram(const TextCodec& codec, const uint8_t* data, std::size_t size)
{
    GroupDatagramBytes bytes{};
    if (size != 0) std::memcpy(bytes.data(), data, std::min(size, bytes.size()));
    GroupDatagram record;
    std::memcpy(&record, bytes.data(), sizeof record);

    GroupFields fields;
    fields.kind = LoadLe32(bytes.data());
    fields.groupName = NameField(codec, record.groupName);
    fields.targetName = NameField(codec, record.targetName);
    fields.senderComputer = NameField(codec, record.senderComputer);
    fields.senderName = NameField(codec, record.senderName);
    fields.text = codec.OemToAnsi(FieldText(record.text));
    return fields;
}

} // namespace kivet
