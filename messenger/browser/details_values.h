// The five values the Details window shows for a resolution record, top to bottom: computer
// name, logged-on user, domain or workgroup, MAC address, IP address. Names are normalised and
// an empty value reads "N/A".
#pragma once

#include <array>
#include <string>

#include "common/text_codec.h"
#include "messenger/browser/name_resolution.h"

namespace kivet {

std::array<std::string, 5> DetailsValues(const ResolutionRecord& record, const TextCodec& codec);

} // namespace kivet
