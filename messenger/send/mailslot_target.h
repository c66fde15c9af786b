// Which names the sending code may put into a mailslot path ("\\" + name + "\mailslot\...").
// Recipient names come from the user and from the network; a name that is not a plain NetBIOS
// name could turn the path into something else (another share, a device, a longer path), so it is
// refused before any write.
#pragma once

#include <cstddef>
#include <string_view>

namespace kivet {

// The NetBIOS name length without the suffix byte.
constexpr std::size_t kNetbiosNameChars = 15;

// The target that reaches every computer of the writer's primary domain.
constexpr std::string_view kPrimaryDomainTarget = "*";

enum class StarTarget { Refused, Allowed };

// A name of 1 to 15 characters, none of them a path or wildcard character (\ / : * ? " < > |)
// or a control character, and not made of dots only; or exactly "*" when star is Allowed.
bool IsValidMailslotTarget(std::string_view name, StarTarget star = StarTarget::Refused);

} // namespace kivet
