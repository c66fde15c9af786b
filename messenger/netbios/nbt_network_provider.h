// The network provider's lists from our own NetBIOS: the workgroups and computers that answer
// on the local subnet. One discovery serves the domain list and the computer lists that the
// retrieval asks for right after it.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "messenger/browser/network_provider.h"
#include "messenger/netbios/nbt_service.h"

namespace kivet::nbt {

// How long a discovery's lists answer EnumerateComputers before a new one runs.
constexpr int64_t kDiscoveryReuseMs = 60000;

class NbtNetworkProvider final : public NetworkProvider {
public:
    explicit NbtNetworkProvider(NbtService& service) : service_(service) {}

    // Runs a discovery; false when the service is not running.
    bool EnumerateDomains(std::vector<std::string>& domains) override;
    // The computers of the last discovery in that workgroup (a fresh one when it is too old).
    bool EnumerateComputers(const std::string& domain, std::vector<std::string>& computers) override;

private:
    void Refresh();

    NbtService& service_;
    std::mutex lock_;
    Discovery last_;
    int64_t lastAtMs_ = -1;
};

} // namespace kivet::nbt
