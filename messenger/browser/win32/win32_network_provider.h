// Domains and computers through the system's network providers (WNetOpenEnum,
// WNetEnumResource with 16384-byte buffers, WNetCloseEnum).
#pragma once

#include <map>
#include <mutex>
#include <string>

#include "messenger/browser/network_provider.h"

namespace kivet {

class Win32NetworkProvider : public NetworkProvider {
public:
    // The domains and workgroups: containers below the network's root, and below each network
    // provider listed there.
    bool EnumerateDomains(std::vector<std::string>& domains) override;
    // The servers of one domain, as "\\NAME".
    bool EnumerateComputers(const std::string& domain, std::vector<std::string>& computers) override;

private:
    std::mutex lock_;
    std::map<std::string, std::string> providerOf_; // domain -> the provider that listed it
};

} // namespace kivet
