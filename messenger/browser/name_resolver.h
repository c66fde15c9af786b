// Where a name is registered on the network, and what that computer reports about itself.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/text_codec.h"
#include "messenger/browser/host_lookup.h"
#include "messenger/browser/name_resolution.h"
#include "messenger/browser/netbios.h"

namespace kivet {

class ActionWriter;

constexpr int kFindNameAttempts = 3;

class NameResolver {
public:
    NameResolver(NetBios& netbios, HostLookup& hosts, const TextCodec& codec, ActionWriter& log)
        : netbios_(netbios), hosts_(hosts), codec_(codec), log_(log)
    {
    }

    // Finds the computer that holds the name with the service's suffix (an IP address is first
    // turned into its host's name), then asks that computer for its adapter status and fills
    // the record: computer, logged-on user, workgroup, MAC and IP address. False when the name
    // is not found or the computer does not answer.
    bool ResolveName(uint8_t lana, std::string_view name, ResolveService service, ResolutionRecord& record);

    // Asks the computer for its adapter status and fills the record; the IP address comes from
    // the host resolver. False when the computer does not answer.
    bool AdapterStatus(uint8_t lana, std::string_view computer, ResolutionRecord& record);

    // The computer's own status answer, for callers that look at its whole name table.
    bool QueryStatus(uint8_t lana, std::string_view computer, kivet::AdapterStatus& status);

private:
    bool FindName(uint8_t lana, const NetBiosName& name, std::array<uint8_t, 6>& sourceAddress);
    void FillRecord(const kivet::AdapterStatus& status, std::string_view computer, std::string_view askedUser,
                    std::string_view ip, ResolutionRecord& record);

    NetBios& netbios_;
    HostLookup& hosts_;
    const TextCodec& codec_;
    ActionWriter& log_;
};

} // namespace kivet
