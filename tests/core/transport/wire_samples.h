// Raw Messenger-format datagrams for the reader tests, written byte by byte so that they do not
// depend on the program's own builder.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kivet::test {

// sender NUL recipient NUL text NUL origin NUL flag NUL, bytes taken as given (OEM).
inline std::vector<uint8_t> PlainWire(std::string_view sender, std::string_view recipient, std::string_view text,
                                      std::string_view origin, uint8_t flag)
{
    std::string wire;
    wire.append(sender).push_back('\0');
    wire.append(recipient).push_back('\0');
    wire.append(text).push_back('\0');
    wire.append(origin).push_back('\0');
    wire.push_back(static_cast<char>(flag));
    wire.push_back('\0');
    return std::vector<uint8_t>(wire.begin(), wire.end());
}

// The Messenger Service's own form: sender NUL recipient NUL text NUL.
inline std::vector<uint8_t> ServiceWire(std::string_view sender, std::string_view recipient, std::string_view text)
{
    std::string wire;
    wire.append(sender).push_back('\0');
    wire.append(recipient).push_back('\0');
    wire.append(text).push_back('\0');
    return std::vector<uint8_t>(wire.begin(), wire.end());
}

} // namespace kivet::test
