#include "messenger/netbios/nbt_netbios.h"

namespace kivet::nbt {

uint8_t NbtNetBios::EnumerateAdapters(std::vector<uint8_t>& lanas)
{
    lanas.clear();
    if (service_.IsRunning()) lanas.push_back(kOwnLana);
    return kNrcGoodReturn;
}

uint8_t NbtNetBios::Reset(uint8_t lana)
{
    return lana == kOwnLana && service_.IsRunning() ? kNrcGoodReturn : kNrcBridge;
}

uint8_t NbtNetBios::QueryAdapterStatus(uint8_t lana, const NetBiosName& callName, AdapterStatus& status)
{
    status = AdapterStatus{};
    if (lana != kOwnLana) return kNrcBridge;
    return service_.QueryAdapterStatus(callName, status);
}

// As in the system's FIND_NAME_BUFFER, the IPv4 address is in the last four of the six bytes.
uint8_t NbtNetBios::FindName(uint8_t lana, const NetBiosName& name, std::array<uint8_t, 6>& sourceAddress)
{
    sourceAddress.fill(0);
    if (lana != kOwnLana) return kNrcBridge;
    uint32_t address = 0;
    const uint8_t nrc = service_.FindName(name, address);
    if (nrc != kNrcGoodReturn) return nrc;
    for (int i = 0; i < 4; ++i)
        sourceAddress[2 + i] = static_cast<uint8_t>(address >> (24 - 8 * i));
    return nrc;
}

uint8_t NbtNetBios::AddName(uint8_t lana, const NetBiosName& name)
{
    return lana == kOwnLana ? service_.AddName(name, false) : kNrcBridge;
}

uint8_t NbtNetBios::AddGroupName(uint8_t lana, const NetBiosName& name)
{
    return lana == kOwnLana ? service_.AddName(name, true) : kNrcBridge;
}

uint8_t NbtNetBios::DeleteName(uint8_t lana, const NetBiosName& name)
{
    return lana == kOwnLana ? service_.DeleteName(name) : kNrcBridge;
}

} // namespace kivet::nbt
