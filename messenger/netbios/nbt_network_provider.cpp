#include "messenger/netbios/nbt_network_provider.h"

#include "common/fixed_text.h"

namespace kivet::nbt {

void NbtNetworkProvider::Refresh()
{
    last_ = service_.Discover();
    lastAtMs_ = service_.NowMs();
}

bool NbtNetworkProvider::EnumerateDomains(std::vector<std::string>& domains)
{
    domains.clear();
    if (!service_.IsRunning()) return false;
    std::lock_guard<std::mutex> guard(lock_);
    Refresh();
    domains = last_.workgroups;
    return true;
}

bool NbtNetworkProvider::EnumerateComputers(const std::string& domain, std::vector<std::string>& computers)
{
    computers.clear();
    if (!service_.IsRunning()) return false;
    std::lock_guard<std::mutex> guard(lock_);
    if (lastAtMs_ < 0 || service_.NowMs() - lastAtMs_ > kDiscoveryReuseMs) Refresh();
    for (const DiscoveredComputer& computer : last_.computers)
        if (EqualsNoCase(computer.workgroup, domain)) computers.push_back(computer.name);
    return true;
}

} // namespace kivet::nbt
