// The relay server box of the Settings page: its name is a computer name of at most 15
// characters, and the relay server is never switched on without one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kivet {

constexpr std::size_t kServerNameChars = 15;

struct RelayServerChoice {
    bool useServer;   // the `UseServer` setting after OK
    bool storeName;   // whether `Server` is written
    std::string name; // the name to write, at most 15 characters
};

// OK on the Settings page: with the box ticked and an empty name the relay server is switched
// off; an empty name is never stored. Blanks around the typed name are dropped.
RelayServerChoice DecideRelayServer(bool boxTicked, std::string_view typed);

} // namespace kivet
