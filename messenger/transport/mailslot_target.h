// Which names may become the target of a mailslot write ("\\" + target + "\mailslot\..."). A
// target is a computer, user or domain name, so it must be a NetBIOS name: 1 to 15 characters,
// none of \ / : * ? " < > | and no control characters, and not dots alone. Anything else, above all a name taken from
// a datagram that holds a path such as "10.1.2.3\s", would make the system open a connection to
// whatever host the path names; such a name is never written to.
#pragma once

#include <string_view>

namespace kivet {

enum class Broadcast { Refused, Allowed };

// The target that reaches every computer of the writer's primary domain.
constexpr std::string_view kPrimaryDomainTarget = "*";

// True for a NetBIOS name, and for exactly "*" (every computer of the primary domain) when the
// datagram's kind may be broadcast.
bool IsMailslotTarget(std::string_view target, Broadcast broadcast);

} // namespace kivet
