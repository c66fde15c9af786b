#include "messenger/browser/win32/win32_host_lookup.h"

#include <winsock.h>

#include <cstring>

namespace kivet {
namespace {

// Host names from the resolver are kept to the longest a DNS name can be.
constexpr std::size_t kMaxHostName = 255;

} // namespace

std::string Win32HostLookup::NameOfAddress(const std::string& address)
{
    const unsigned long ip = inet_addr(address.c_str());
    if (ip == INADDR_NONE && address != "255.255.255.255") return {};
    const hostent* host = gethostbyaddr(reinterpret_cast<const char*>(&ip), sizeof ip, AF_INET);
    if (host == nullptr || host->h_name == nullptr) return {};
    return std::string(host->h_name, strnlen(host->h_name, kMaxHostName));
}

std::string Win32HostLookup::AddressOfName(const std::string& name)
{
    if (name.empty()) return {};
    const hostent* host = gethostbyname(name.c_str());
    if (host == nullptr || host->h_addrtype != AF_INET || host->h_length != 4 || host->h_addr_list == nullptr ||
        host->h_addr_list[0] == nullptr)
        return {};
    in_addr address;
    std::memcpy(&address, host->h_addr_list[0], sizeof address);
    const char* text = inet_ntoa(address);
    return text ? std::string(text) : std::string();
}

} // namespace kivet
