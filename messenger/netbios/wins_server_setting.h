// The WINS server our NetBIOS asks first, as the user sets it: the string value "WinsServer" of
// the program's registry key, a dotted IPv4 address ("10.0.0.5"). Without it, or when it is not
// a usable address, the service works by broadcast only.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kivet::nbt {

inline constexpr char kWinsServerValue[] = "WinsServer";

// The address in host order, or nothing for anything but four decimal parts of at most three
// digits each (0-255), blanks around them allowed; 0.0.0.0, broadcast and multicast addresses are
// refused since no name server answers there.
std::optional<uint32_t> ParseWinsServer(std::string_view text);

} // namespace kivet::nbt
