#include "messenger/netbios/name_text.h"

#include <cstdio>
#include <cstring>

#include "common/fixed_text.h"

namespace kivet::nbt {

bool IsValidNameText(std::string_view text)
{
    if (text.empty() || text.size() > kNameTextLength) return false;
    bool allBlank = true;
    for (const char c : text) {
        const auto byte = static_cast<uint8_t>(c);
        if (byte < 0x20 || byte == 0x7F || std::strchr("\\/:*?\"<>|", c) != nullptr) return false;
        if (c != ' ') allBlank = false;
    }
    return !allBlank;
}

std::optional<NetBiosName> NameFromText(std::string_view text, uint8_t suffix)
{
    if (!IsValidNameText(text)) return std::nullopt;
    NetBiosName name;
    name.fill(' ');
    for (std::size_t i = 0; i < text.size(); ++i)
        name[i] = AsciiUpper(text[i]);
    name[15] = static_cast<char>(suffix);
    return name;
}

NetBiosName WildcardName()
{
    NetBiosName name{};
    name[0] = '*';
    return name;
}

bool IsWildcardName(const NetBiosName& name)
{
    return name == WildcardName();
}

std::string NameText(const NetBiosName& name)
{
    std::size_t length = kNameTextLength;
    while (length > 0 && (name[length - 1] == ' ' || name[length - 1] == '\0'))
        --length;
    return std::string(name.data(), length);
}

std::string DescribeName(const NetBiosName& name)
{
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "<%02X>", SuffixOf(name));
    return NameText(name) + suffix;
}

bool SameName(const NetBiosName& a, const NetBiosName& b)
{
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    return true;
}

} // namespace kivet::nbt
