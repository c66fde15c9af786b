// The NetBIOS commands on the system's Netbios() call (NCB structures, synchronous).
#pragma once

#include "messenger/browser/netbios.h"

namespace kivet {

class Win32NetBios : public NetBios {
public:
    uint8_t EnumerateAdapters(std::vector<uint8_t>& lanas) override;
    uint8_t Reset(uint8_t lana) override;
    // NCBASTAT into 420 bytes. An answer cut short because the computer lists more names than
    // fit (NRC_INCOMP) still reports the names that arrived.
    uint8_t QueryAdapterStatus(uint8_t lana, const NetBiosName& callName, AdapterStatus& status) override;
    // NCBFINDNAME into 500 bytes.
    uint8_t FindName(uint8_t lana, const NetBiosName& name, std::array<uint8_t, 6>& sourceAddress) override;
    uint8_t AddName(uint8_t lana, const NetBiosName& name) override;
    uint8_t AddGroupName(uint8_t lana, const NetBiosName& name) override;
    uint8_t DeleteName(uint8_t lana, const NetBiosName& name) override;
};

} // namespace kivet
