#include "messenger/runtime/pack_strings.h"

#include <cstring>

#include "common/fixed_text.h"

namespace kivet {
namespace {

bool IsFlag(char c)
{
    return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Skips a width or precision: digits, or a star (which takes an int argument).
void ReadCount(std::string_view text, std::size_t& i, std::string& conversion)
{
    if (i < text.size() && text[i] == '*') {
        conversion += '*';
        ++i;
        return;
    }
    while (i < text.size() && IsDigit(text[i]))
        ++i;
}

// The length modifiers of the C runtime's printf: h, hh, l, ll, L, q, j, z, t, w, I, I32, I64.
void ReadLength(std::string_view text, std::size_t& i, std::string& conversion)
{
    while (i < text.size()) {
        char c = text[i];
        if (c == 'h' || c == 'l' || c == 'L' || c == 'q' || c == 'j' || c == 'z' || c == 't' || c == 'w') {
            conversion += c;
            ++i;
        } else if (c == 'I') {
            conversion += c;
            ++i;
            if (text.substr(i, 2) == "32" || text.substr(i, 2) == "64") {
                conversion += text.substr(i, 2);
                i += 2;
            }
        } else {
            return;
        }
    }
}

// Control characters have no place in a file name.
bool IsControl(char c)
{
    return static_cast<unsigned char>(c) < 32;
}

} // namespace

FormatSignature ReadFormatSignature(std::string_view text)
{
    FormatSignature signature;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i++] != '%') continue;
        if (i < text.size() && text[i] == '%') {
            ++i;
            continue;
        }
        std::string conversion;
        while (i < text.size() && IsFlag(text[i]))
            ++i;
        ReadCount(text, i, conversion);
        if (i < text.size() && text[i] == '.') {
            ++i;
            ReadCount(text, i, conversion);
        }
        ReadLength(text, i, conversion);
        if (i >= text.size()) {
            signature.wellFormed = false;
            break;
        }
        char letter = text[i++];
        if (letter == 'n') signature.writes = true;
        conversion += letter;
        signature.conversions.push_back(conversion);
    }
    return signature;
}

bool SameConversions(std::string_view english, std::string_view translated)
{
    FormatSignature mine = ReadFormatSignature(english);
    FormatSignature theirs = ReadFormatSignature(translated);
    return theirs.wellFormed && !theirs.writes && mine.wellFormed == theirs.wellFormed &&
           mine.conversions == theirs.conversions;
}

bool IsPlainFileName(std::string_view name)
{
    if (name.empty() || name == "." || name == "..") return false;
    for (char c : name)
        if (c == '\\' || c == '/' || c == ':' || c == '"' || IsControl(c)) return false;
    return true;
}

bool CheckedPackStrings::Acceptable(uint32_t id, std::string_view english, std::string_view translated) const
{
    if (id == kHelpFileNameId) return IsPlainFileName(translated);
    return SameConversions(english, translated);
}

bool CheckedPackStrings::Load(uint32_t id, char* buf, std::size_t size)
{
    if (!pack_.Load(id, buf, size)) return false;
    // The English text is read whole, so a translation cut short by its buffer is compared
    // with the conversions the program will pass.
    char english[512] = {};
    english_.Load(id, english, sizeof english);
    if (Acceptable(id, english, std::string_view(buf, std::strlen(buf)))) return true;
    ++refused_;
    CopyCut(buf, size, english);
    return true;
}

} // namespace kivet
