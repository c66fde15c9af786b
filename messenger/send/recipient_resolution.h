// Finding the computer of a computer or user name, and where its plain datagram then goes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "messenger/browser/name_resolution.h"

namespace kivet {

// Asks the network for the name's Messenger name (suffix 0x03). When nobody answers, a name the
// last scan listed is still found if its computer answers an adapter-status query.
bool ResolveRecipient(NetworkDirectory& directory, std::string_view name, ResolutionRecord& record);

// A resolved recipient's plain datagram: written to target, addressed to computer.
struct PlainDelivery {
    std::string target;   // the entry, or the computer when the entry is an address
    std::string computer; // the record's computer name without trailing blanks
};

// Nothing when the record names no computer or either name is not a valid mailslot target
// (both come from the network or the user).
std::optional<PlainDelivery> PlainDeliveryFor(std::string_view entry, const ResolutionRecord& record);

} // namespace kivet
