#include "messenger/browser/win32/win32_network_provider.h"

#include <windows.h>
#include <winnetwk.h>

#include <functional>
#include <vector>

#include "messenger/browser/scan_tables.h"

namespace kivet {
namespace {

constexpr DWORD kEnumBufferSize = 16384;
// No container is read past this many entries, whatever a provider keeps answering.
constexpr std::size_t kMaxEntriesPerContainer = kMaxComputers;

std::string TextOf(const char* text)
{
    return text ? std::string(text, strnlen(text, 1024)) : std::string();
}

// Calls `each` for every resource directly below `container` (the root when null); false when
// the container cannot be opened.
bool EnumerateContainer(NETRESOURCEA* container, const std::function<void(const NETRESOURCEA&)>& each)
{
    HANDLE enumeration = nullptr;
    if (WNetOpenEnumA(RESOURCE_GLOBALNET, RESOURCETYPE_ANY, 0, container, &enumeration) != NO_ERROR) return false;
    // NETRESOURCE entries at the front, their strings behind them: kept aligned for the entries.
    std::vector<NETRESOURCEA> buffer(kEnumBufferSize / sizeof(NETRESOURCEA) + 1);
    std::size_t seen = 0;
    while (seen < kMaxEntriesPerContainer) {
        DWORD count = 0xFFFFFFFF;
        DWORD size = kEnumBufferSize;
        if (WNetEnumResourceA(enumeration, &count, buffer.data(), &size) != NO_ERROR) break;
        if (count == 0) break;
        for (DWORD i = 0; i < count && i < buffer.size() && seen < kMaxEntriesPerContainer; ++i, ++seen)
            each(buffer[i]);
    }
    WNetCloseEnum(enumeration);
    return true;
}

} // namespace

bool Win32NetworkProvider::EnumerateDomains(std::vector<std::string>& domains)
{
    std::map<std::string, std::string> providers;
    auto addDomain = [&](const NETRESOURCEA& resource) {
        if (resource.dwDisplayType != RESOURCEDISPLAYTYPE_DOMAIN) return;
        const std::string name = TextOf(resource.lpRemoteName);
        if (name.empty()) return;
        domains.push_back(name);
        providers[name] = TextOf(resource.lpProvider);
    };
    std::vector<std::string> networks;
    const bool opened = EnumerateContainer(nullptr, [&](const NETRESOURCEA& resource) {
        if (resource.dwDisplayType == RESOURCEDISPLAYTYPE_NETWORK && (resource.dwUsage & RESOURCEUSAGE_CONTAINER))
            networks.push_back(TextOf(resource.lpProvider));
        else
            addDomain(resource);
    });
    if (!opened) return false;
    for (std::string& provider : networks) {
        NETRESOURCEA network{};
        network.dwScope = RESOURCE_GLOBALNET;
        network.dwType = RESOURCETYPE_ANY;
        network.dwDisplayType = RESOURCEDISPLAYTYPE_NETWORK;
        network.dwUsage = RESOURCEUSAGE_CONTAINER;
        network.lpProvider = provider.data();
        EnumerateContainer(&network, addDomain);
    }
    std::lock_guard<std::mutex> guard(lock_);
    providerOf_ = std::move(providers);
    return true;
}

bool Win32NetworkProvider::EnumerateComputers(const std::string& domain, std::vector<std::string>& computers)
{
    std::string provider;
    {
        std::lock_guard<std::mutex> guard(lock_);
        auto found = providerOf_.find(domain);
        if (found != providerOf_.end()) provider = found->second;
    }
    std::string remoteName = domain;
    NETRESOURCEA container{};
    container.dwScope = RESOURCE_GLOBALNET;
    container.dwType = RESOURCETYPE_ANY;
    container.dwDisplayType = RESOURCEDISPLAYTYPE_DOMAIN;
    container.dwUsage = RESOURCEUSAGE_CONTAINER;
    container.lpRemoteName = remoteName.data();
    container.lpProvider = provider.empty() ? nullptr : provider.data();
    return EnumerateContainer(&container, [&](const NETRESOURCEA& resource) {
        if (resource.dwDisplayType != RESOURCEDISPLAYTYPE_SERVER) return;
        const std::string name = TextOf(resource.lpRemoteName);
        if (!name.empty()) computers.push_back(name);
    });
}

} // namespace kivet
