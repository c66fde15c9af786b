// What the program reads out of an adapter status: the workgroup, the logged-on users, the
// Auto-Reply mark, and the MAC and IP addresses as text. Names stay in the OEM code page here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "messenger/browser/netbios.h"

namespace kivet {

// The name's 15 characters without the blank padding, cut at a NUL byte.
std::string NetBiosNameText(const NetBiosName& name);
inline uint8_t NetBiosSuffix(const NetBiosName& name)
{
    return static_cast<uint8_t>(name[15]);
}

// A name whose registration completed (not in conflict and not being deleted).
inline bool IsRegisteredName(uint8_t flags)
{
    return (flags & kNameFlagStateMask) == kNameFlagRegistered;
}

// The first registered group name with suffix 0x00; empty when there is none.
std::string WorkgroupOf(const AdapterStatus& status);

// Registered unique names with suffix 0x03 other than the computer's own name: the users logged
// on at it, in table order.
std::vector<std::string> LoggedOnUsersOf(const AdapterStatus& status, std::string_view computerOem);

// True when the computer holds a registered name with suffix 0x11 (its user is away).
bool HasAutoReplyMark(const AdapterStatus& status);

// True when the name is registered with suffix 0x03 (as a computer or a user).
bool HoldsMessengerName(const AdapterStatus& status, std::string_view nameOem);

// "%02x%02x%02x%02x%02x%02x".
std::string MacAddressText(const std::array<uint8_t, 6>& mac);

// The last four bytes of a find-name source address as dotted decimal.
std::string IpAddressText(const std::array<uint8_t, 6>& sourceAddress);

} // namespace kivet
