// The text fields and whole fixed records of the group and auto-reply datagrams: OEM text in
// NUL-padded fields of fixed width, a 32-bit little-endian kind first.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "common/fixed_text.h"
#include "common/little_endian.h"
#include "common/text_codec.h"

namespace kivet {

// Fills a field with already converted text up to a NUL it may hold, at most width bytes
// (N - 1 keeps the terminator; N lets a text fill its field).
template <std::size_t N> void PutWireField(char (&field)[N], const std::string& oem, std::size_t width = N - 1)
{
    const std::string_view text = std::string_view(oem).substr(0, oem.find('\0'));
    std::memcpy(field, text.data(), std::min({text.size(), width, N}));
}

// The text a received name field holds, ended inside its width and converted from OEM.
template <std::size_t N> std::string ReceivedName(const TextCodec& codec, char (&field)[N])
{
    field[N - 1] = '\0';
    return codec.OemToAnsi(FieldText(field));
}

// The record as it is written: its bytes with the kind stored little-endian at offset 0.
template <class Record> std::array<uint8_t, sizeof(Record)> WireBytes(const Record& record, uint32_t kind)
{
    std::array<uint8_t, sizeof(Record)> bytes{};
    std::memcpy(bytes.data(), &record, sizeof record);
    StoreLe32(bytes.data(), kind);
    return bytes;
}

// A received datagram of any length as a zero-filled record (a longer one is cut), and its kind.
template <class Record> Record ReceivedRecord(const uint8_t* data, std::size_t size, uint32_t& kind)
{
    std::array<uint8_t, sizeof(Record)> bytes{};
    if (size != 0) std::memcpy(bytes.data(), data, std::min(size, bytes.size()));
    Record record;
    std::memcpy(&record, bytes.data(), sizeof record);
    kind = LoadLe32(bytes.data());
    return record;
}

} // namespace kivet
