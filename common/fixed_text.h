// Copying text into fixed, NUL-terminated char fields.
// Every text field of the program's records has a fixed width; a longer value is cut so that the
// terminator always fits.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace kivet {

// Copies at most size - 1 characters of text into dest and terminates it.
// Returns the number of characters copied.
inline std::size_t CopyCut(char* dest, std::size_t size, std::string_view text)
{
    if (size == 0) return 0;
    std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
    if (n) std::memcpy(dest, text.data(), n);
    dest[n] = '\0';
    return n;
}

template <std::size_t N> std::size_t CopyCut(char (&dest)[N], std::string_view text)
{
    return CopyCut(dest, N, text);
}

// The text held in a fixed field, stopping at the terminator or at the field's end.
template <std::size_t N> std::string_view FieldText(const char (&field)[N])
{
    std::size_t n = 0;
    while (n < N && field[n] != '\0')
        ++n;
    return std::string_view(field, n);
}

inline char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
inline char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    return true;
}

} // namespace kivet
