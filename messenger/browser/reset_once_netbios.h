// A NetBIOS reset of an adapter deletes every name the process registered on it. The program
// resets each adapter once, before its first use, and never again: later resets (a new scan,
// the away name) must keep the names registered since. This wrapper makes that so for every
// caller that shares it; the other commands pass through unchanged.
#pragma once

#include <mutex>

#include "messenger/browser/netbios.h"

namespace kivet {

class ResetOnceNetBios : public NetBios {
public:
    explicit ResetOnceNetBios(NetBios& inner) : inner_(inner) {}

    // The first call per adapter resets it; every later call returns the first call's result
    // without touching the adapter.
    uint8_t Reset(uint8_t lana) override;

    uint8_t EnumerateAdapters(std::vector<uint8_t>& lanas) override { return inner_.EnumerateAdapters(lanas); }
    uint8_t QueryAdapterStatus(uint8_t lana, const NetBiosName& callName, AdapterStatus& status) override
    {
        return inner_.QueryAdapterStatus(lana, callName, status);
    }
    uint8_t FindName(uint8_t lana, const NetBiosName& name, std::array<uint8_t, 6>& sourceAddress) override
    {
        return inner_.FindName(lana, name, sourceAddress);
    }
    uint8_t AddName(uint8_t lana, const NetBiosName& name) override { return inner_.AddName(lana, name); }
    uint8_t AddGroupName(uint8_t lana, const NetBiosName& name) override { return inner_.AddGroupName(lana, name); }
    uint8_t DeleteName(uint8_t lana, const NetBiosName& name) override { return inner_.DeleteName(lana, name); }

private:
    NetBios& inner_;
    std::mutex lock_;
    bool done_[256] = {};
    uint8_t result_[256] = {};
};

} // namespace kivet
