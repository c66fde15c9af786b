#include "messenger/netbios/nbt_engine.h"

#include <utility>

#include "messenger/netbios/name_text.h"

namespace kivet::nbt {

NbtEngine::NbtEngine(const EngineConfig& config, PacketSender& sender, LocalMailslots& mailslots)
    : config_(config), sender_(sender), mailslots_(mailslots), names_(config.maxNames),
      nextTransactionId_(config.firstTransactionId), nextDatagramId_(config.firstTransactionId)
{
}

void NbtEngine::OnNameServicePacket(uint32_t from, uint16_t fromPort, const uint8_t* data, std::size_t size,
                                    int64_t nowMs)
{
    nowMs_ = nowMs;
    NameServicePacket packet;
    if (!ParseNameServicePacket(data, size, packet)) {
        ++counters_.malformedPackets;
        return;
    }
    if (IsOwnEcho(from, fromPort, config_.nameServicePort)) {
        ++counters_.ignoredPackets;
        return;
    }
    if (packet.IsResponse()) {
        if (packet.Opcode() == kOpRegistration && packet.Rcode() == kRcodeConflict && !requests_.count(packet.id)) {
            OnConflictDemand(packet);
            return;
        }
        OnResponse(packet, from, nowMs);
        return;
    }
    if (packet.questions.size() != 1 || !packet.questions[0].scope.empty()) {
        ++counters_.ignoredPackets;
        return;
    }
    switch (packet.Opcode()) {
    case kOpQuery:
        if (packet.questions[0].type == kTypeNodeStatus)
            OnNodeStatusRequest(packet, from, fromPort);
        else
            OnNameQuery(packet, from, fromPort);
        break;
    case kOpRegistration:
    case kOpMultiHomedRegistration: OnRegistrationRequest(packet, from, fromPort); break;
    case kOpRelease: OnReleaseRequest(packet); break;
    default: ++counters_.ignoredPackets; break;
    }
}

void NbtEngine::Tick(int64_t nowMs)
{
    nowMs_ = nowMs;
    reassembly_.Expire(nowMs);
    std::vector<uint16_t> expired;
    for (auto& [id, request] : requests_) {
        if (request.nextAtMs > nowMs) continue;
        if (request.sendsLeft > 0) {
            sender_.Send(config_.nameServicePort, request.destination, config_.nameServicePort, request.bytes);
            --request.sendsLeft;
            request.nextAtMs = nowMs + request.intervalMs;
        } else {
            expired.push_back(id);
        }
    }
    for (const uint16_t id : expired) {
        auto it = requests_.find(id);
        if (it == requests_.end()) continue;
        ExpiryHandler onExpired = std::move(it->second.onExpired);
        requests_.erase(it);
        if (onExpired) onExpired(nowMs);
    }
}

int64_t NbtEngine::NextDeadline() const
{
    int64_t next = -1;
    for (const auto& entry : requests_)
        if (next < 0 || entry.second.nextAtMs < next) next = entry.second.nextAtMs;
    return next;
}

uint16_t NbtEngine::NextTransactionId()
{
    do {
        ++nextTransactionId_;
    } while (nextTransactionId_ == 0 || requests_.count(nextTransactionId_) != 0);
    return nextTransactionId_;
}

void NbtEngine::StartRequest(NameServicePacket packet, uint32_t destination, bool toServer, int64_t nowMs,
                             ResponseHandler onResponse, ExpiryHandler onExpired)
{
    packet.id = NextTransactionId();
    Request request;
    request.bytes = BuildNameServicePacket(packet);
    request.destination = destination;
    request.toServer = toServer;
    request.onlyFromDestination = destination != config_.broadcastAddress;
    request.sendsLeft = (toServer ? config_.unicastSends : config_.broadcastSends) - 1;
    request.intervalMs = toServer ? config_.unicastIntervalMs : config_.broadcastIntervalMs;
    request.nextAtMs = nowMs + request.intervalMs;
    request.onResponse = std::move(onResponse);
    request.onExpired = std::move(onExpired);
    sender_.Send(config_.nameServicePort, destination, config_.nameServicePort, request.bytes);
    requests_.emplace(packet.id, std::move(request));
}

void NbtEngine::SendNameService(uint32_t address, uint16_t port, const NameServicePacket& packet)
{
    sender_.Send(config_.nameServicePort, address, port, BuildNameServicePacket(packet));
}

// A response to one of our requests: a WACK stretches the wait, a redirect is refused, anything
// else goes to the request's handler. Answers to a unicast request count only from the node
// that was asked.
void NbtEngine::OnResponse(const NameServicePacket& packet, uint32_t from, int64_t nowMs)
{
    auto it = requests_.find(packet.id);
    if (it == requests_.end() || (it->second.onlyFromDestination && from != it->second.destination)) {
        ++counters_.ignoredPackets;
        return;
    }
    Request& request = it->second;
    if (packet.Opcode() == kOpWack) {
        const uint32_t ttl = packet.answers.empty() ? 0 : packet.answers[0].ttl;
        const int64_t waitMs = std::min<int64_t>(int64_t{ttl} * 1000, config_.maxWackMs);
        request.sendsLeft = 0;
        request.nextAtMs = nowMs + std::max<int64_t>(waitMs, request.intervalMs);
        return;
    }
    if (packet.answers.empty() && !packet.authority.empty()) {
        ++counters_.refusedRedirects;
        return;
    }
    if (!request.onResponse(packet, from, nowMs)) return;
    requests_.erase(packet.id);
}

// Our own broadcasts come back to the socket that sent them.
bool NbtEngine::IsOwnEcho(uint32_t from, uint16_t fromPort, uint16_t localPort) const
{
    return from == config_.localAddress && fromPort == localPort;
}

bool NbtEngine::HasRegisteredNames() const
{
    for (const LocalName& entry : names_.Names())
        if (entry.state == NameState::Registered) return true;
    return false;
}

} // namespace kivet::nbt
