// The domains (workgroups) of the network and the computers in each, as the network provider
// lists them. On Windows this is the WNet enumeration; where the platform has no network
// provider the program's own NetBIOS layer finds them on the local subnet.
#pragma once

#include <string>
#include <vector>

namespace kivet {

class NetworkProvider {
public:
    virtual ~NetworkProvider() = default;
    // The domain and workgroup names below the network's root, in the provider's order. False
    // when the network cannot be enumerated (the list is then empty).
    virtual bool EnumerateDomains(std::vector<std::string>& domains) = 0;
    // The computers of one domain, without leading backslashes, in the provider's order.
    virtual bool EnumerateComputers(const std::string& domain, std::vector<std::string>& computers) = 0;
};

} // namespace kivet
