#include "tests/fakes/table_codec.h"

namespace kivet::test {
namespace {

// Each row is a cycle ANSI a -> OEM b, ANSI b -> OEM c, ANSI c -> OEM a.
constexpr uint8_t kCycles[][3] = {
    {0xC4, 0x8E, 0xA0},
    {0xE4, 0x84, 0xA1},
    {0xC9, 0x90, 0xA2},
    {0xE9, 0x82, 0xA3},
};

std::string Map(std::string_view text, const std::array<uint8_t, 256>& table)
{
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(table[static_cast<uint8_t>(c)]);
    return result;
}

char UpperChar(char c)
{
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if (c == kAnsiLowerAUml) return kAnsiUpperAUml;
    if (c == kAnsiLowerEAcute) return kAnsiUpperEAcute;
    return c;
}

char LowerChar(char c)
{
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    if (c == kAnsiUpperAUml) return kAnsiLowerAUml;
    if (c == kAnsiUpperEAcute) return kAnsiLowerEAcute;
    return c;
}

} // namespace

TableCodec::TableCodec()
{
    for (int i = 0; i < 256; ++i)
        toOem_[i] = toAnsi_[i] = static_cast<uint8_t>(i);
    for (const auto& cycle : kCycles) {
        for (int i = 0; i < 3; ++i) {
            toOem_[cycle[i]] = cycle[(i + 1) % 3];
            toAnsi_[cycle[(i + 1) % 3]] = cycle[i];
        }
    }
}

std::string TableCodec::AnsiToOem(std::string_view ansi) const
{
    return Map(ansi, toOem_);
}

std::string TableCodec::OemToAnsi(std::string_view oem) const
{
    return Map(oem, toAnsi_);
}

std::string TableCodec::Upper(std::string_view ansi) const
{
    std::string result(ansi);
    for (char& c : result)
        c = UpperChar(c);
    return result;
}

std::string TableCodec::Lower(std::string_view ansi) const
{
    std::string result(ansi);
    for (char& c : result)
        c = LowerChar(c);
    return result;
}

const TableCodec& TestCodec()
{
    static const TableCodec codec;
    return codec;
}

} // namespace kivet::test
