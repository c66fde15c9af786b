// What an entry of the recipient list names, decided by the first rule that matches:
// "@" a Network Group, "#" a My Group, a known domain or the local workgroup, this computer or
// its user, otherwise a computer or user somewhere on the network.
#pragma once

#include <string_view>

#include "common/text_codec.h"
#include "messenger/browser/name_resolution.h"

namespace kivet {

enum class RecipientKind { NetworkGroup, MyGroup, Domain, Local, Individual };

// The name equals a domain of the last retrieval or the local workgroup (case does not count).
bool IsDomain(std::string_view name, NetworkDirectory& directory, const TextCodec& codec);

// The name, upper-cased, equals the local computer name or the local user name.
bool IsLocal(std::string_view name, NetworkDirectory& directory, const TextCodec& codec);

RecipientKind ClassifyRecipient(std::string_view entry, NetworkDirectory& directory, const TextCodec& codec);

} // namespace kivet
