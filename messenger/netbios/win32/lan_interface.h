// The IPv4 interface the service runs on: the first adapter with an address that is not the
// loopback, with its subnet's broadcast address and its MAC address.
#pragma once

#include <array>
#include <cstdint>

namespace kivet::nbt {

struct LanInterface {
    uint32_t address = 0;   // host order
    uint32_t broadcast = 0; // address | ~mask
    std::array<uint8_t, 6> mac{};
};

// False when the computer has no such adapter.
bool FindLanInterface(LanInterface& lan);

} // namespace kivet::nbt
