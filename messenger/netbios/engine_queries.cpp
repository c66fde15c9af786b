// Finding names and asking for node status, and answering both for this node's names.
#include <algorithm>
#include <optional>
#include <string>

#include "messenger/netbios/name_service_messages.h"
#include "messenger/netbios/name_text.h"
#include "messenger/netbios/nbt_engine.h"

namespace kivet::nbt {
namespace {

constexpr std::size_t kMaxCachedNames = 256;

// The first address of a positive answer about name, if the packet is one.
bool PositiveAnswer(const NameServicePacket& packet, const NetBiosName& name, NbAddress& entry)
{
    if (packet.Opcode() != kOpQuery || packet.Rcode() != kRcodeGoodAnswer || packet.answers.empty()) return false;
    const NsRecord& record = packet.answers[0];
    if (record.type != kTypeNb || record.addresses.empty() || !SameName(record.name, name)) return false;
    entry = record.addresses[0];
    return true;
}

AdapterStatus StatusFromAnswer(const NsRecord& record)
{
    AdapterStatus status;
    status.mac = record.unitId;
    uint8_t number = 1;
    for (const NodeStatusName& entry : record.statusNames)
        status.names.push_back(AdapterStatusName{entry.name, number++, AdapterStatusFlags(entry.flags)});
    return status;
}

// The address a call name written as a dotted IPv4 address ("192.168.10.2") stands for.
std::optional<uint32_t> DottedAddress(const NetBiosName& name)
{
    const std::string text = NameText(name);
    uint32_t address = 0;
    std::size_t at = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0 && (at >= text.size() || text[at++] != '.')) return std::nullopt;
        uint32_t value = 0;
        std::size_t digits = 0;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 3; ++at, ++digits)
            value = value * 10 + static_cast<uint32_t>(text[at] - '0');
        if (digits == 0 || value > 255) return std::nullopt;
        address = address << 8 | value;
    }
    if (at != text.size()) return std::nullopt;
    return address;
}

// The name a computer is looked up by for its node status: the blank-padded form (suffix 0x20)
// names the computer, which every Windows computer and this program register as the workstation
// name <00>; <20> is held only by a computer that runs a server service.
NetBiosName StatusLookupName(const NetBiosName& callName)
{
    NetBiosName name = callName;
    if (SuffixOf(name) == ' ') name[15] = static_cast<char>(kSuffixWorkstation);
    return name;
}

} // namespace

void NbtEngine::FindName(const NetBiosName& name, int64_t nowMs, FindDone done)
{
    nowMs_ = nowMs;
    if (names_.FindRegistered(name) != nullptr) {
        done(kNrcGoodReturn, config_.localAddress);
        return;
    }
    if (config_.winsServer == 0) {
        QueryByBroadcast(name, nowMs, std::move(done));
        return;
    }
    auto onResponse = [this, name, done](const NameServicePacket& packet, uint32_t, int64_t now) {
        if (packet.Opcode() != kOpQuery) return false;
        NbAddress entry;
        if (PositiveAnswer(packet, name, entry)) {
            Remember(name, entry.address, (entry.flags & kNbGroup) != 0, now);
            done(kNrcGoodReturn, entry.address);
        } else {
            QueryByBroadcast(name, now, done); // the server does not know it: ask the subnet
        }
        return true;
    };
    auto onExpired = [this, name, done](int64_t now) { QueryByBroadcast(name, now, done); };
    StartRequest(MakeNameQuery(0, name, false), config_.winsServer, true, nowMs, std::move(onResponse),
                 std::move(onExpired));
}

void NbtEngine::QueryByBroadcast(const NetBiosName& name, int64_t nowMs, FindDone done)
{
    auto onResponse = [this, name, done](const NameServicePacket& packet, uint32_t, int64_t now) {
        NbAddress entry;
        if (!PositiveAnswer(packet, name, entry)) return false; // a B-node waits for a positive one
        Remember(name, entry.address, (entry.flags & kNbGroup) != 0, now);
        done(kNrcGoodReturn, entry.address);
        return true;
    };
    auto onExpired = [done](int64_t) { done(kNrcCommandTimedOut, 0); };
    StartRequest(MakeNameQuery(0, name, true), config_.broadcastAddress, false, nowMs, std::move(onResponse),
                 std::move(onExpired));
}

void NbtEngine::QueryNodeStatus(uint32_t address, int64_t nowMs, StatusDone done)
{
    nowMs_ = nowMs;
    auto onResponse = [done](const NameServicePacket& packet, uint32_t, int64_t) {
        if (packet.Opcode() != kOpQuery || packet.answers.empty() || packet.answers[0].type != kTypeNodeStatus)
            return false;
        done(kNrcGoodReturn, StatusFromAnswer(packet.answers[0]));
        return true;
    };
    auto onExpired = [done](int64_t) { done(kNrcCommandTimedOut, AdapterStatus{}); };
    // Node status goes to one node (only its answer counts) with the broadcast timing.
    StartRequest(MakeNodeStatusRequest(0, WildcardName()), address, false, nowMs, std::move(onResponse),
                 std::move(onExpired));
}

void NbtEngine::QueryAdapterStatus(const NetBiosName& callName, int64_t nowMs, StatusDone done)
{
    nowMs_ = nowMs;
    // '*' asks this node; so does a name of this node with any suffix (the computer name
    // padded with blanks, as a caller looking for its own workgroup passes it).
    if (callName[0] == '*' || names_.HoldsText(callName)) {
        done(kNrcGoodReturn, LocalStatus());
        return;
    }
    // A call name written as an address asks that node directly, as the system's NetBIOS over
    // TCP/IP takes it.
    if (const std::optional<uint32_t> address = DottedAddress(callName)) {
        if (*address == config_.localAddress)
            done(kNrcGoodReturn, LocalStatus());
        else
            QueryNodeStatus(*address, nowMs, done);
        return;
    }
    FindName(StatusLookupName(callName), nowMs, [this, done](uint8_t nrc, uint32_t address) {
        if (nrc != kNrcGoodReturn) {
            done(nrc, AdapterStatus{});
            return;
        }
        if (address == config_.localAddress) {
            done(kNrcGoodReturn, LocalStatus());
            return;
        }
        QueryNodeStatus(address, nowMs_, done); // the time of the answer

    });
}

AdapterStatus NbtEngine::LocalStatus() const
{
    AdapterStatus status;
    status.mac = config_.mac;
    for (const LocalName& entry : names_.Names()) {
        uint16_t flags = entry.group ? kStatusGroup : 0;
        if (entry.state == NameState::Registered) flags |= kStatusActive;
        if (entry.state == NameState::Conflict) flags |= kStatusConflict;
        status.names.push_back(AdapterStatusName{entry.name, entry.number, AdapterStatusFlags(flags)});
    }
    return status;
}

// A query for one of our registered names (or for the wildcard, which every node answers
// with its address) gets a positive answer sent to the asker.
void NbtEngine::OnNameQuery(const NameServicePacket& packet, uint32_t from, uint16_t fromPort)
{
    const NsQuestion& question = packet.questions[0];
    if (question.type != kTypeNb) return;
    bool group = false;
    if (IsWildcardName(question.name)) {
        if (!HasRegisteredNames()) return;
    } else {
        const LocalName* entry = names_.FindRegistered(question.name);
        if (entry == nullptr) return;
        group = entry->group;
    }
    SendNameService(from, fromPort, MakePositiveQueryResponse(packet.id, question.name, group, config_.localAddress));
}

void NbtEngine::OnNodeStatusRequest(const NameServicePacket& packet, uint32_t from, uint16_t fromPort)
{
    const NetBiosName& asked = packet.questions[0].name;
    if (!IsWildcardName(asked) && names_.FindRegistered(asked) == nullptr) return;
    SendNameService(from, fromPort, MakeNodeStatusResponse(packet.id, asked, names_.StatusNames(), config_.mac));
}

void NbtEngine::Remember(const NetBiosName& name, uint32_t address, bool group, int64_t nowMs)
{
    if (cache_.size() >= kMaxCachedNames && cache_.count(name) == 0) {
        const auto oldest = std::min_element(cache_.begin(), cache_.end(), [](const auto& a, const auto& b) {
            return a.second.expiresMs < b.second.expiresMs;
        });
        cache_.erase(oldest);
    }
    cache_[name] = CachedName{address, group, nowMs + config_.cacheLifetimeMs};
}

const NbtEngine::CachedName* NbtEngine::Cached(const NetBiosName& name, int64_t nowMs) const
{
    const auto it = cache_.find(name);
    return it != cache_.end() && it->second.expiresMs > nowMs ? &it->second : nullptr;
}

} // namespace kivet::nbt
