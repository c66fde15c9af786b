#include "messenger/netbios/wins_server_setting.h"

namespace kivet::nbt {
namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// One part of the address at the front of `text`, which it consumes; nothing when no 1-3 digit
// number up to 255 is there.
std::optional<uint32_t> TakePart(std::string_view& text)
{
    uint32_t value = 0;
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        if (++digits > 3) return std::nullopt;
        value = value * 10 + static_cast<uint32_t>(text[digits - 1] - '0');
    }
    if (digits == 0 || value > 255) return std::nullopt;
    text.remove_prefix(digits);
    return value;
}

bool IsUsable(uint32_t address)
{
    const uint32_t first = address >> 24;
    return address != 0 && address != 0xFFFFFFFFu && !(first >= 224 && first <= 239);
}

} // namespace

std::optional<uint32_t> ParseWinsServer(std::string_view text)
{
    text = Trimmed(text);
    uint32_t address = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (text.empty() || text.front() != '.') return std::nullopt;
            text.remove_prefix(1);
        }
        const std::optional<uint32_t> value = TakePart(text);
        if (!value) return std::nullopt;
        address = address << 8 | *value;
    }
    if (!text.empty() || !IsUsable(address)) return std::nullopt;
    return address;
}

} // namespace kivet::nbt
