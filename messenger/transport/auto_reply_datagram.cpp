#include "messenger/transport/auto_reply_datagram.h"

#include <algorithm>
#include <cstring>

#include "common/fixed_text.h"

namespace kivet {
namespace {

void StoreLe32(uint8_t* bytes, uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t LoadLe32(const uint8_t* bytes)
{
    return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

// Fills a field with the converted text up to a NUL it may hold, keeping the terminator.
template <std::size_t N> void PutField(char (&field)[N], const std::string& oem)
{
    const std::string_view text = std::string_view(oem).substr(0, oem.find('\0'));
    std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

// The text a received field holds, ended inside its width.
template <std::size_t N> std::string TextField(const TextCodec& codec, char (&field)[N])
{
    field[N - 1] = '\0';
    return codec.OemToAnsi(FieldText(field));
}

} // namespace

AutoReplyDatagramBytes BuildAutoReplyDatagram(const TextCodec& codec, const AutoReplyFields& fields)
{
    AutoReplyDatagram record{};
    PutField(record.computerName, codec.AnsiToOem(fields.computerName));
    PutField(record.addressedTo, codec.AnsiToOem(fields.addressedTo));
    PutField(record.message, codec.AnsiToOem(fields.message));

    AutoReplyDatagramBytes bytes{};
    std::memcpy(bytes.data(), &record, sizeof record);
    StoreLe32(bytes.data(), fields.kind);
    return bytes;
}

AutoReplyFields ReadAutoReplyDatagram(const TextCodec& codec, const uint8_t* data, std::size_t size)
{
    AutoReplyDatagramBytes bytes{};
    if (size != 0) std::memcpy(bytes.data(), data, std::min(size, bytes.size()));
    AutoReplyDatagram record;
    std::memcpy(&record, bytes.data(), sizeof record);

    AutoReplyFields fields;
    fields.kind = LoadLe32(bytes.data());
    fields.computerName = TextField(codec, record.computerName);
    fields.addressedTo = TextField(codec, record.addressedTo);
    fields.message = TextField(codec, record.message);
    return fields;
}

} // namespace kivet
