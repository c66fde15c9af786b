// Turning the names the program works with (computer, user and workgroup names) into NetBIOS
// names, and back into text for lists and logs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "messenger/browser/netbios.h"

namespace kivet::nbt {

constexpr std::size_t kNameTextLength = 15;

// 1 to 15 characters, not all blanks, no control characters and none of the characters that
// Windows refuses in NetBIOS names: \ / : * ? " < > |
bool IsValidNameText(std::string_view text);

// The upper-cased (ASCII) text padded with blanks, with its suffix; nothing for invalid text.
std::optional<NetBiosName> NameFromText(std::string_view text, uint8_t suffix);

// The wildcard name of node status requests and of "who is there" queries: '*' and 15 zeros.
NetBiosName WildcardName();
bool IsWildcardName(const NetBiosName& name);

inline uint8_t SuffixOf(const NetBiosName& name)
{
    return static_cast<uint8_t>(name[15]);
}

// The first 15 bytes without trailing blanks and zeros.
std::string NameText(const NetBiosName& name);

// "PC-07<03>": for the action log and test messages.
std::string DescribeName(const NetBiosName& name);

// Same 15 characters (ignoring ASCII case) and suffix.
bool SameName(const NetBiosName& a, const NetBiosName& b);

} // namespace kivet::nbt
