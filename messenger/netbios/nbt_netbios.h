// The program's NetBIOS commands answered by our own NetBIOS over TCP/IP: one adapter (LANA 0),
// the interface the service runs on.
#pragma once

#include "messenger/browser/netbios.h"
#include "messenger/netbios/nbt_service.h"

namespace kivet::nbt {

constexpr uint8_t kOwnLana = 0;

class NbtNetBios final : public NetBios {
public:
    explicit NbtNetBios(NbtService& service) : service_(service) {}

    uint8_t EnumerateAdapters(std::vector<uint8_t>& lanas) override;
    uint8_t Reset(uint8_t lana) override;
    uint8_t QueryAdapterStatus(uint8_t lana, const NetBiosName& callName, AdapterStatus& status) override;
    uint8_t FindName(uint8_t lana, const NetBiosName& name, std::array<uint8_t, 6>& sourceAddress) override;
    uint8_t AddName(uint8_t lana, const NetBiosName& name) override;
    uint8_t AddGroupName(uint8_t lana, const NetBiosName& name) override;
    uint8_t DeleteName(uint8_t lana, const NetBiosName& name) override;

private:
    NbtService& service_;
};

} // namespace kivet::nbt
