#include "messenger/netbios/datagram_reassembly.h"

namespace kivet::nbt {

std::optional<DatagramPacket> DatagramReassembly::Add(const DatagramPacket& fragment, int64_t nowMs)
{
    Expire(nowMs);
    if (fragment.IsFirst() && !fragment.HasMore()) {
        if (fragment.offset != 0) return std::nullopt;
        return fragment;
    }
    const std::size_t size = fragment.userData.size();
    if (size == 0 || size > limits_.maxDatagramSize || fragment.offset + size > limits_.maxDatagramSize)
        return std::nullopt;
    auto it = Find(fragment);
    if (it == pending_.end()) {
        MakeRoom(size);
        Pending fresh;
        fresh.address = fragment.sourceAddress;
        fresh.port = fragment.sourcePort;
        fresh.id = fragment.id;
        fresh.startedMs = nowMs;
        pending_.push_back(std::move(fresh));
        it = std::prev(pending_.end());
    } else if (totalBytes_ + size > limits_.maxTotalBytes) {
        Drop(it);
        return std::nullopt;
    }
    if (!Store(*it, fragment)) {
        Drop(it);
        return std::nullopt;
    }
    return TakeIfComplete(it);
}

void DatagramReassembly::Expire(int64_t nowMs)
{
    while (!pending_.empty() && nowMs - pending_.front().startedMs >= limits_.timeoutMs)
        Drop(pending_.begin());
}

std::list<DatagramReassembly::Pending>::iterator DatagramReassembly::Find(const DatagramPacket& fragment)
{
    for (auto it = pending_.begin(); it != pending_.end(); ++it)
        if (it->address == fragment.sourceAddress && it->port == fragment.sourcePort && it->id == fragment.id)
            return it;
    return pending_.end();
}

// False when the fragment contradicts what is held: a second first or last fragment, data that
// overlaps another fragment's, or data past the end the last fragment set.
bool DatagramReassembly::Store(Pending& pending, const DatagramPacket& fragment)
{
    const std::size_t start = fragment.offset;
    const std::size_t end = start + fragment.userData.size();
    if (fragment.IsFirst()) {
        if (pending.first || start != 0) return false;
        pending.first = fragment;
        pending.first->userData.clear();
    }
    if (!fragment.HasMore()) {
        if (pending.lastSeen) return false;
        pending.lastSeen = true;
        pending.endOffset = end;
    }
    if (pending.lastSeen && end > pending.endOffset) return false;
    const auto next = pending.parts.lower_bound(start);
    if (next != pending.parts.end() && next->first < end) return false;
    if (next != pending.parts.begin()) {
        const auto previous = std::prev(next);
        if (previous->first + previous->second.size() > start) return false;
    }
    pending.parts.emplace(start, fragment.userData);
    pending.bytes += fragment.userData.size();
    totalBytes_ += fragment.userData.size();
    return true;
}

std::optional<DatagramPacket> DatagramReassembly::TakeIfComplete(std::list<Pending>::iterator it)
{
    if (!it->first || !it->lastSeen || it->bytes != it->endOffset) return std::nullopt;
    DatagramPacket whole = *it->first;
    whole.flags = static_cast<uint8_t>((whole.flags & kDgmNodeTypeMask) | kDgmFirstFlag);
    whole.userData.reserve(it->endOffset);
    for (const auto& part : it->parts)
        whole.userData.insert(whole.userData.end(), part.second.begin(), part.second.end());
    Drop(it);
    return whole;
}

void DatagramReassembly::Drop(std::list<Pending>::iterator it)
{
    totalBytes_ -= it->bytes;
    pending_.erase(it);
}

// Evicts the oldest datagrams until one more with the given first fragment fits.
void DatagramReassembly::MakeRoom(std::size_t bytes)
{
    while (!pending_.empty() && (pending_.size() >= limits_.maxPending || totalBytes_ + bytes > limits_.maxTotalBytes))
        Drop(pending_.begin());
}

} // namespace kivet::nbt
