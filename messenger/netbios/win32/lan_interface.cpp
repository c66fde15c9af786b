#include "messenger/netbios/win32/lan_interface.h"

#include <winsock2.h>
#include <iphlpapi.h>

#include <cstring>
#include <vector>

namespace kivet::nbt {
namespace {

uint32_t ParseDotted(const char* text)
{
    const unsigned long value = inet_addr(text);
    return value == INADDR_NONE ? 0 : ntohl(value);
}

bool FromAdapter(const IP_ADAPTER_INFO& adapter, LanInterface& lan)
{
    for (const IP_ADDR_STRING* entry = &adapter.IpAddressList; entry != nullptr; entry = entry->Next) {
        const uint32_t address = ParseDotted(entry->IpAddress.String);
        const uint32_t mask = ParseDotted(entry->IpMask.String);
        if (address == 0 || (address >> 24) == 127 || mask == 0) continue;
        lan.address = address;
        lan.broadcast = address | ~mask;
        if (adapter.AddressLength == lan.mac.size()) std::memcpy(lan.mac.data(), adapter.Address, lan.mac.size());
        return true;
    }
    return false;
}

} // namespace

bool FindLanInterface(LanInterface& lan)
{
    ULONG size = 0;
    if (GetAdaptersInfo(nullptr, &size) != ERROR_BUFFER_OVERFLOW || size == 0) return false;
    std::vector<unsigned char> buffer(size);
    auto* adapters = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
    if (GetAdaptersInfo(adapters, &size) != NO_ERROR) return false;
    for (const IP_ADAPTER_INFO* adapter = adapters; adapter != nullptr; adapter = adapter->Next)
        if (FromAdapter(*adapter, lan)) return true;
    return false;
}

} // namespace kivet::nbt
