// Helpers shared by the personal lists: where a list lives in the registry and how its names
// compare and are bounded.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/text_codec.h"

namespace kivet {

// "<program key>\<subkey>"; further levels may be given: ProgramSubkey("MyGroups", "OFFICE").
std::string ProgramSubkey(std::string_view subkey);
std::string ProgramSubkey(std::string_view subkey, std::string_view child);

// Registry names are case-insensitive; the lists compare through the system's upper-casing.
bool SameName(const TextCodec& codec, std::string_view a, std::string_view b);

// A name of 1 to maxChars characters.
bool FitsName(std::string_view name, std::size_t maxChars);

} // namespace kivet
