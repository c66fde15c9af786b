// Helpers of the relay tests: a case conversion that is not ASCII-only, and answers as bytes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "common/text_codec.h"

namespace kivet {

// Upper-cases ASCII and the Latin-1 letters; relay text is ANSI, so any OEM conversion fails the test.
class RelayTestCodec : public TextCodec {
public:
    std::string AnsiToOem(std::string_view ansi) const override
    {
        ADD_FAILURE() << "relay text must not be converted to OEM";
        return std::string(ansi);
    }
    std::string OemToAnsi(std::string_view oem) const override
    {
        ADD_FAILURE() << "relay text must not be converted from OEM";
        return std::string(oem);
    }
    std::string Upper(std::string_view ansi) const override
    {
        std::string upper(ansi);
        for (char& c : upper) {
            const auto byte = static_cast<unsigned char>(c);
            if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7))
                c = static_cast<char>(byte - 0x20);
        }
        return upper;
    }
    std::string Lower(std::string_view ansi) const override
    {
        ADD_FAILURE() << "not used by the relay client";
        return std::string(ansi);
    }
};

inline void PutLe32(std::vector<uint8_t>& bytes, std::size_t offset, uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A group-list answer of the given length: header, then the names in 20-byte entries (cut at
// the datagram's end). Names are copied without a terminator of their own.
inline std::vector<uint8_t> GroupAnswer(uint32_t reset, uint32_t count, const std::vector<std::string>& names,
                                        std::size_t size = 420)
{
    std::vector<uint8_t> bytes(size, 0);
    if (size >= 4) PutLe32(bytes, 0, reset);
    if (size >= 8) PutLe32(bytes, 4, count);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::size_t offset = 40 + i * 20;
        for (std::size_t j = 0; j < names[i].size() && offset + j < size; ++j)
            bytes[offset + j] = static_cast<uint8_t>(names[i][j]);
    }
    return bytes;
}

inline std::vector<std::string> NumberedNames(const std::string& prefix, int count)
{
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back(prefix + std::to_string(i));
    return names;
}

} // namespace kivet
