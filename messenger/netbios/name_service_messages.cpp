#include "messenger/netbios/name_service_messages.h"

namespace kivet::nbt {
namespace {

NsQuestion Question(const NetBiosName& name, uint16_t type)
{
    NsQuestion question;
    question.name = name;
    question.type = type;
    return question;
}

NsRecord AddressRecord(const NetBiosName& name, uint32_t ttl, bool group, uint32_t address)
{
    NsRecord record;
    record.name = name;
    record.type = kTypeNb;
    record.ttl = ttl;
    record.addresses.push_back(NbAddress{static_cast<uint16_t>(group ? kNbGroup : 0), address});
    return record;
}

NameServicePacket RegistrationLike(uint16_t id, uint16_t flags, const NetBiosName& name, bool group,
                                   uint32_t address, uint32_t ttl)
{
    NameServicePacket packet;
    packet.id = id;
    packet.flags = flags;
    packet.questions.push_back(Question(name, kTypeNb));
    packet.additional.push_back(AddressRecord(name, ttl, group, address));
    return packet;
}

} // namespace

NameServicePacket MakeNameQuery(uint16_t id, const NetBiosName& name, bool broadcast)
{
    NameServicePacket packet;
    packet.id = id;
    packet.flags = NsFlags(false, kOpQuery, static_cast<uint16_t>(kNsRecursionDesired | (broadcast ? kNsBroadcast : 0)));
    packet.questions.push_back(Question(name, kTypeNb));
    return packet;
}

NameServicePacket MakeNodeStatusRequest(uint16_t id, const NetBiosName& name)
{
    NameServicePacket packet;
    packet.id = id;
    packet.flags = NsFlags(false, kOpQuery, 0);
    packet.questions.push_back(Question(name, kTypeNodeStatus));
    return packet;
}

NameServicePacket MakeRegistration(uint16_t id, const NetBiosName& name, bool group, uint32_t address,
                                   bool broadcast)
{
    const uint16_t nmFlags = static_cast<uint16_t>(kNsRecursionDesired | (broadcast ? kNsBroadcast : 0));
    return RegistrationLike(id, NsFlags(false, kOpRegistration, nmFlags), name, group, address, kNameTtlSeconds);
}

NameServicePacket MakeOverwriteDemand(uint16_t id, const NetBiosName& name, bool group, uint32_t address)
{
    return RegistrationLike(id, NsFlags(false, kOpRegistration, kNsBroadcast), name, group, address,
                            kNameTtlSeconds);
}

NameServicePacket MakeRelease(uint16_t id, const NetBiosName& name, bool group, uint32_t address, bool broadcast)
{
    return RegistrationLike(id, NsFlags(false, kOpRelease, broadcast ? kNsBroadcast : 0), name, group, address, 0);
}

NameServicePacket MakePositiveQueryResponse(uint16_t id, const NetBiosName& askedName, bool group, uint32_t address)
{
    NameServicePacket packet;
    packet.id = id;
    packet.flags = NsFlags(true, kOpQuery, kNsAuthoritative | kNsRecursionDesired);
    packet.answers.push_back(AddressRecord(askedName, kNameTtlSeconds, group, address));
    return packet;
}

NameServicePacket MakeNegativeRegistrationResponse(uint16_t id, const NetBiosName& name, bool group,
                                                   uint32_t ownerAddress)
{
    NameServicePacket packet;
    packet.id = id;
    packet.flags = NsFlags(true, kOpRegistration, kNsAuthoritative | kNsRecursionDesired | kNsRecursionAvailable,
                           kRcodeActive);
    packet.answers.push_back(AddressRecord(name, 0, group, ownerAddress));
    return packet;
}

NameServicePacket MakeNodeStatusResponse(uint16_t id, const NetBiosName& askedName,
                                         const std::vector<NodeStatusName>& names, const std::array<uint8_t, 6>& mac)
{
    NameServicePacket packet;
    packet.id = id;
    packet.flags = NsFlags(true, kOpQuery, kNsAuthoritative);
    NsRecord record;
    record.name = askedName;
    record.type = kTypeNodeStatus;
    record.statusNames = names;
    record.unitId = mac;
    packet.answers.push_back(record);
    return packet;
}

} // namespace kivet::nbt
