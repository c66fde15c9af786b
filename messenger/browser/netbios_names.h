// Adding and deleting a name on the local adapters, as Auto-Reply mode marks the user as away.
#pragma once

#include <array>

namespace kivet {

// The name operations on the local adapters; the program implements them with the NetBIOS
// commands. The name is added so that any number of computers can hold it at once.
class NetBiosNames {
public:
    virtual ~NetBiosNames() = default;
    virtual void AddName(const std::array<char, 16>& name) = 0;
    virtual void DeleteName(const std::array<char, 16>& name) = 0;
};

} // namespace kivet
