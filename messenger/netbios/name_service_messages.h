// The name service packets this node sends, with the header flags Windows uses for a B-node
// (and unicast variants for a WINS server).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "messenger/netbios/name_service_packet.h"

namespace kivet::nbt {

// Time to live of registrations and positive answers (the 300000 seconds Windows sends).
constexpr uint32_t kNameTtlSeconds = 300000;

NameServicePacket MakeNameQuery(uint16_t id, const NetBiosName& name, bool broadcast);
NameServicePacket MakeNodeStatusRequest(uint16_t id, const NetBiosName& name);
// Registration request: the question and, as additional record, the owner's address.
NameServicePacket MakeRegistration(uint16_t id, const NetBiosName& name, bool group, uint32_t address,
                                   bool broadcast);
// The last step of a B-node registration nobody objected to (recursion not desired).
NameServicePacket MakeOverwriteDemand(uint16_t id, const NetBiosName& name, bool group, uint32_t address);
NameServicePacket MakeRelease(uint16_t id, const NetBiosName& name, bool group, uint32_t address, bool broadcast);

// Answers. askedName is the name as the question had it (the wildcard is answered as asked).
NameServicePacket MakePositiveQueryResponse(uint16_t id, const NetBiosName& askedName, bool group,
                                            uint32_t address);
NameServicePacket MakeNegativeRegistrationResponse(uint16_t id, const NetBiosName& name, bool group,
                                                   uint32_t ownerAddress);
NameServicePacket MakeNodeStatusResponse(uint16_t id, const NetBiosName& askedName,
                                         const std::vector<NodeStatusName>& names,
                                         const std::array<uint8_t, 6>& mac);

} // namespace kivet::nbt
