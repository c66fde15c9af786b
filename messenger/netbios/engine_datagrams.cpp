// Mailslot writes as NetBIOS datagrams: sending to a unique name (the messenger name <03> of a
// computer or user), to a group (a workgroup's <00>) or to this node's workgroup for "*";
// receiving, joining fragments and writing the message into the local mailslot.
#include <algorithm>

#include "common/fixed_text.h"
#include "messenger/netbios/mailslot_path.h"
#include "messenger/netbios/mailslot_transaction.h"
#include "messenger/netbios/name_text.h"
#include "messenger/netbios/nbt_engine.h"

namespace kivet::nbt {
namespace {

constexpr std::string_view kPrimaryDomainTarget = "*";
constexpr std::string_view kLocalTarget = ".";

} // namespace

void NbtEngine::SendMailslot(std::string_view target, std::string_view path, const uint8_t* data, std::size_t size,
                             int64_t nowMs, SendDone done)
{
    nowMs_ = nowMs;
    const auto leaf = MailslotLeaf(path);
    const LocalName* source = SourceName();
    const std::size_t transactionSize = sizeof(MailslotTransactionHeader) + 10 + (leaf ? leaf->size() : 0) + 1 + size;
    if (!leaf || source == nullptr || transactionSize > ReassemblyLimits{}.maxDatagramSize) {
        done(false);
        return;
    }
    std::vector<uint8_t> transaction = BuildMailslotTransaction(WireMailslotName(*leaf), data, size);
    if (target == kLocalTarget) {
        DeliverLocally(transaction.data(), transaction.size());
        done(true);
        return;
    }
    if (target == kPrimaryDomainTarget) {
        const LocalName* workgroup = names_.FirstRegistered(kSuffixWorkstation, true);
        if (workgroup != nullptr) SendToGroup(workgroup->name, std::move(transaction));
        done(workgroup != nullptr);
        return;
    }
    const auto messenger = NameFromText(target, kSuffixMessenger);
    const auto workstation = NameFromText(target, kSuffixWorkstation);
    if (!messenger || !workstation) {
        done(false);
        return;
    }
    if (IsKnownGroup(NameText(*workstation))) {
        SendToGroup(*workstation, std::move(transaction));
        done(true);
        return;
    }
    ResolveMailslotTarget(*messenger, *workstation, std::move(transaction), nowMs, std::move(done));
}

// The messenger name <03> first (a computer or a logged-on user); when nobody holds it, the
// <00> name, which is a workgroup or domain when it answers as a group.
void NbtEngine::ResolveMailslotTarget(const NetBiosName& messengerName, const NetBiosName& workstationName,
                                      std::vector<uint8_t> transaction, int64_t nowMs, SendDone done)
{
    if (const CachedName* cached = Cached(messengerName, nowMs); cached != nullptr && !cached->group) {
        SendToUnique(messengerName, cached->address, std::move(transaction));
        done(true);
        return;
    }
    auto shared = std::make_shared<std::vector<uint8_t>>(std::move(transaction));
    FindName(messengerName, nowMs, [this, messengerName, workstationName, shared, done](uint8_t nrc, uint32_t address) {
        if (nrc == kNrcGoodReturn) {
            SendToUnique(messengerName, address, std::move(*shared));
            done(true);
            return;
        }
        FindName(workstationName, nowMs_, [this, workstationName, shared, done](uint8_t nrc2, uint32_t address2) {
            if (nrc2 != kNrcGoodReturn) {
                done(false);
                return;
            }
            const CachedName* cached = Cached(workstationName, nowMs_);
            if (cached != nullptr && cached->group)
                SendToGroup(workstationName, std::move(*shared));
            else
                SendToUnique(workstationName, address2, std::move(*shared));
            done(true);
        });
    });
}

void NbtEngine::SendToUnique(const NetBiosName& destination, uint32_t address, std::vector<uint8_t> transaction)
{
    if (address == config_.localAddress) {
        DeliverLocally(transaction.data(), transaction.size());
        return;
    }
    SendDatagramPackets(kDgmDirectUnique, destination, address, std::move(transaction));
}

// Group datagrams are broadcast on the subnet; a group this node belongs to gets its copy here.
void NbtEngine::SendToGroup(const NetBiosName& destination, std::vector<uint8_t> transaction)
{
    const LocalName* member = names_.FindRegistered(destination);
    if (member != nullptr && member->group) DeliverLocally(transaction.data(), transaction.size());
    SendDatagramPackets(kDgmDirectGroup, destination, config_.broadcastAddress, std::move(transaction));
}

void NbtEngine::SendDatagramPackets(uint8_t type, const NetBiosName& destination, uint32_t address,
                                    std::vector<uint8_t> userData)
{
    DatagramPacket whole;
    whole.type = type;
    whole.id = nextDatagramId_++;
    whole.sourceAddress = config_.localAddress;
    whole.sourcePort = config_.datagramPort;
    whole.source = SourceName()->name;
    whole.destination = destination;
    whole.userData = std::move(userData);
    for (const DatagramPacket& fragment : FragmentDatagram(whole))
        sender_.Send(config_.datagramPort, address, config_.datagramPort, BuildDatagramPacket(fragment));
}

bool NbtEngine::IsKnownGroup(const std::string& name) const
{
    const LocalName* own = names_.FirstRegistered(kSuffixWorkstation, true);
    if (own != nullptr && EqualsNoCase(NameText(own->name), name)) return true;
    return std::any_of(knownWorkgroups_.begin(), knownWorkgroups_.end(),
                       [&](const std::string& known) { return EqualsNoCase(known, name); });
}

const LocalName* NbtEngine::SourceName() const
{
    if (const LocalName* computer = names_.FirstRegistered(kSuffixWorkstation, false)) return computer;
    for (const LocalName& entry : names_.Names())
        if (entry.state == NameState::Registered && !entry.group) return &entry;
    return nullptr;
}

void NbtEngine::OnDatagramPacket(uint32_t from, uint16_t fromPort, const uint8_t* data, std::size_t size,
                                 int64_t nowMs)
{
    nowMs_ = nowMs;
    DatagramPacket packet;
    if (!ParseDatagramPacket(data, size, packet)) {
        ++counters_.malformedPackets;
        return;
    }
    if (IsOwnEcho(from, fromPort, config_.datagramPort) || packet.type == kDgmError || packet.type >= kDgmQueryRequest) {
        ++counters_.ignoredPackets;
        return;
    }
    if (!AcceptsDatagram(packet)) {
        if (packet.type == kDgmDirectUnique && packet.destinationScope.empty())
            SendDatagramError(packet, from, fromPort, kDgmErrorNameNotPresent);
        ++counters_.ignoredPackets;
        return;
    }
    const auto whole = reassembly_.Add(packet, nowMs);
    if (whole) DeliverLocally(whole->userData.data(), whole->userData.size());
}

bool NbtEngine::AcceptsDatagram(const DatagramPacket& packet) const
{
    if (!packet.destinationScope.empty() || !packet.sourceScope.empty()) return false;
    if (packet.type == kDgmBroadcast) return true;
    const LocalName* entry = names_.FindRegistered(packet.destination);
    return entry != nullptr && entry->group == (packet.type == kDgmDirectGroup);
}

void NbtEngine::DeliverLocally(const uint8_t* transaction, std::size_t size)
{
    MailslotWrite write;
    std::optional<std::string> leaf;
    if (ParseMailslotTransaction(transaction, size, write)) leaf = MailslotLeaf(write.mailslotName);
    if (leaf && mailslots_.Deliver(*leaf, write.data, write.size))
        ++counters_.datagramsDelivered;
    else
        ++counters_.datagramsRefused;
}

void NbtEngine::SendDatagramError(const DatagramPacket& packet, uint32_t to, uint16_t toPort, uint8_t code)
{
    DatagramPacket error;
    error.type = kDgmError;
    error.id = packet.id;
    error.sourceAddress = config_.localAddress;
    error.sourcePort = config_.datagramPort;
    error.errorCode = code;
    sender_.Send(config_.datagramPort, to, toPort, BuildDatagramPacket(error));
}

} // namespace kivet::nbt
