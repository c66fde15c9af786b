// Adding and deleting a NetBIOS name on every adapter the program found at start-up.
#pragma once

#include "messenger/browser/netbios_names.h"
#include "messenger/browser/network_state.h"

namespace kivet {

class Win32NetBiosNames : public NetBiosNames {
public:
    // The adapters are read from the network state the pointer holds when a name is added or
    // deleted; once the state is gone (null) nothing is sent.
    explicit Win32NetBiosNames(NetworkState* const& network) : network_(network) {}
    void AddName(const std::array<char, 16>& name) override;
    void DeleteName(const std::array<char, 16>& name) override;

private:
    NetworkState* const& network_;
};

} // namespace kivet
