#include "messenger/browser/adapter_status_names.h"

#include <cstdio>

#include "common/fixed_text.h"

namespace kivet {
namespace {

bool IsRegisteredUnique(const AdapterStatusName& entry)
{
    return IsRegisteredName(entry.flags) && (entry.flags & kNameFlagGroup) == 0;
}

} // namespace

std::string NetBiosNameText(const NetBiosName& name)
{
    std::size_t end = 0;
    while (end < 15 && name[end] != '\0')
        ++end;
    while (end > 0 && name[end - 1] == ' ')
        --end;
    return std::string(name.data(), end);
}

std::string WorkgroupOf(const AdapterStatus& status)
{
    for (const AdapterStatusName& entry : status.names) {
        const bool group = (entry.flags & kNameFlagGroup) != 0;
        if (group && IsRegisteredName(entry.flags) && NetBiosSuffix(entry.name) == kSuffixWorkstation) {
            std::string text = NetBiosNameText(entry.name);
            if (!text.empty()) return text;
        }
    }
    return {};
}

std::vector<std::string> LoggedOnUsersOf(const AdapterStatus& status, std::string_view computerOem)
{
    std::vector<std::string> users;
    for (const AdapterStatusName& entry : status.names) {
        if (!IsRegisteredUnique(entry) || NetBiosSuffix(entry.name) != kSuffixMessenger) continue;
        std::string text = NetBiosNameText(entry.name);
        if (text.empty() || EqualsNoCase(text, computerOem)) continue;
        users.push_back(std::move(text));
    }
    return users;
}

bool HasAutoReplyMark(const AdapterStatus& status)
{
    for (const AdapterStatusName& entry : status.names)
        if (IsRegisteredName(entry.flags) && NetBiosSuffix(entry.name) == kSuffixAutoReply) return true;
    return false;
}

bool HoldsMessengerName(const AdapterStatus& status, std::string_view nameOem)
{
    if (nameOem.empty()) return false;
    for (const AdapterStatusName& entry : status.names) {
        if (!IsRegisteredUnique(entry) || NetBiosSuffix(entry.name) != kSuffixMessenger) continue;
        if (EqualsNoCase(NetBiosNameText(entry.name), nameOem)) return true;
    }
    return false;
}

std::string MacAddressText(const std::array<uint8_t, 6>& mac)
{
    char text[13];
    std::snprintf(text, sizeof text, "%02x%02x%02x%02x%02x%02x", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
    return text;
}

std::string IpAddressText(const std::array<uint8_t, 6>& sourceAddress)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", sourceAddress[2], sourceAddress[3], sourceAddress[4],
                  sourceAddress[5]);
    return text;
}

} // namespace kivet
