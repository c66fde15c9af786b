// Adding, defending and releasing the names of this node.
#include "messenger/netbios/name_service_messages.h"
#include "messenger/netbios/name_text.h"
#include "messenger/netbios/nbt_engine.h"

namespace kivet::nbt {
namespace {

bool IsRegistrationAnswer(const NameServicePacket& packet)
{
    return packet.Opcode() == kOpRegistration;
}

bool RequestIsGroup(const NameServicePacket& packet)
{
    return !packet.additional.empty() && !packet.additional[0].addresses.empty() &&
           (packet.additional[0].addresses[0].flags & kNbGroup) != 0;
}

} // namespace

void NbtEngine::AddName(const NetBiosName& name, bool group, int64_t nowMs, AddDone done)
{
    nowMs_ = nowMs;
    const uint8_t nrc = names_.Reserve(name, group);
    if (nrc != kNrcGoodReturn) {
        done(nrc);
        return;
    }
    if (config_.winsServer != 0)
        RegisterWithServer(name, group, nowMs, std::move(done));
    else
        RegisterByBroadcast(name, group, nowMs, std::move(done));
}

// B-node: the request is broadcast three times; an objection refuses the name, silence makes
// it ours, which the overwrite demand announces.
void NbtEngine::RegisterByBroadcast(const NetBiosName& name, bool group, int64_t nowMs, AddDone done)
{
    auto onResponse = [this, name, done](const NameServicePacket& packet, uint32_t, int64_t) {
        if (!IsRegistrationAnswer(packet) || packet.Rcode() == kRcodeGoodAnswer) return false;
        FinishRegistration(name, kNrcNameInUseElsewhere, done);
        return true;
    };
    auto onExpired = [this, name, group, done](int64_t) {
        SendNameService(config_.broadcastAddress, config_.nameServicePort,
                        MakeOverwriteDemand(NextTransactionId(), name, group, config_.localAddress));
        FinishRegistration(name, kNrcGoodReturn, done);
    };
    StartRequest(MakeRegistration(0, name, group, config_.localAddress, true), config_.broadcastAddress, false,
                 nowMs, std::move(onResponse), std::move(onExpired));
}

// With a WINS server the server decides; when it does not answer the node falls back to
// broadcast registration (as an H-node does).
void NbtEngine::RegisterWithServer(const NetBiosName& name, bool group, int64_t nowMs, AddDone done)
{
    auto onResponse = [this, name, done](const NameServicePacket& packet, uint32_t, int64_t) {
        if (!IsRegistrationAnswer(packet)) return false;
        FinishRegistration(name, packet.Rcode() == kRcodeGoodAnswer ? kNrcGoodReturn : kNrcNameInUseElsewhere, done);
        return true;
    };
    auto onExpired = [this, name, group, done](int64_t now) { RegisterByBroadcast(name, group, now, done); };
    StartRequest(MakeRegistration(0, name, group, config_.localAddress, false), config_.winsServer, true, nowMs,
                 std::move(onResponse), std::move(onExpired));
}

void NbtEngine::FinishRegistration(const NetBiosName& name, uint8_t nrc, const AddDone& done)
{
    if (names_.Find(name) == nullptr) {
        done(kNrcNameNotFound); // deleted while it was being registered
        return;
    }
    if (nrc == kNrcGoodReturn)
        names_.SetState(name, NameState::Registered);
    else
        names_.Remove(name);
    done(nrc);
}

// Someone else registers a name: a unique name of ours (or a group name of ours claimed as
// unique) is defended with a negative response carrying our address.
void NbtEngine::OnRegistrationRequest(const NameServicePacket& packet, uint32_t from, uint16_t fromPort)
{
    const NetBiosName& name = packet.questions[0].name;
    if (!names_.MustDefend(name, RequestIsGroup(packet))) return;
    const LocalName* ours = names_.Find(name);
    SendNameService(from, fromPort, MakeNegativeRegistrationResponse(packet.id, ours->name, ours->group,
                                                                     config_.localAddress));
    ++counters_.defences;
}

// A name conflict demand: the name stays in the table, marked, and is no longer answered.
void NbtEngine::OnConflictDemand(const NameServicePacket& packet)
{
    for (const NsRecord& record : packet.answers)
        if (names_.FindRegistered(record.name) != nullptr && record.scope.empty())
            names_.SetState(record.name, NameState::Conflict);
}

// Another node gives a name up: forget where it was.
void NbtEngine::OnReleaseRequest(const NameServicePacket& packet)
{
    cache_.erase(packet.questions[0].name);
}

uint8_t NbtEngine::DeleteName(const NetBiosName& name)
{
    const LocalName* entry = names_.Find(name);
    if (entry == nullptr) return kNrcNameNotFound;
    if (entry->state == NameState::Registered) SendRelease(*entry);
    names_.Remove(name);
    return kNrcGoodReturn;
}

void NbtEngine::ReleaseAll()
{
    for (const LocalName& entry : names_.Names())
        if (entry.state == NameState::Registered) SendRelease(entry);
    while (!names_.Names().empty())
        names_.Remove(names_.Names().front().name);
}

void NbtEngine::SendRelease(const LocalName& entry)
{
    const uint16_t id = NextTransactionId();
    if (config_.winsServer != 0)
        SendNameService(config_.winsServer, config_.nameServicePort,
                        MakeRelease(id, entry.name, entry.group, config_.localAddress, false));
    SendNameService(config_.broadcastAddress, config_.nameServicePort,
                    MakeRelease(id, entry.name, entry.group, config_.localAddress, true));
}

} // namespace kivet::nbt
