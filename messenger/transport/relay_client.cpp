#include "messenger/transport/relay_client.h"

#include <algorithm>

#include "messenger/transport/mailslot_target.h"
#include "messenger/transport/relay_datagrams.h"

namespace kivet {
namespace {

template <typename Datagram>
bool WriteToServer(MailslotWriter& writer, std::string_view server, std::string_view path, const Datagram& datagram)
{
    if (!IsMailslotTarget(server, Broadcast::Refused)) return false;
    return writer.Write(server, path, reinterpret_cast<const uint8_t*>(&datagram), sizeof(datagram));
}

// One received answer applied to the list; an answer shorter than its header changes nothing.
void ApplyGroupListAnswer(const std::vector<uint8_t>& datagram, ServerGroupList& list, const TextCodec& codec)
{
    const auto answer = ParseGroupListAnswer(datagram.data(), datagram.size());
    if (!answer) return;
    std::vector<std::string> names;
    for (const std::string& entry : answer->entries)
        names.push_back(codec.Upper(entry));
    list.Update(answer->reset, names);
}

} // namespace

bool ServerGroupList::AddLocked(std::string_view name)
{
    if (name.empty() || name.size() > kServerGroupNameLimit) return false;
    if (names_.size() >= kServerGroupListLimit) return false;
    if (std::find(names_.begin(), names_.end(), name) != names_.end()) return false;
    names_.emplace_back(name);
    return true;
}

bool ServerGroupList::Add(std::string_view name)
{
    std::lock_guard<std::mutex> guard(lock_);
    return AddLocked(name);
}

void ServerGroupList::Update(bool reset, const std::vector<std::string>& names)
{
    std::lock_guard<std::mutex> guard(lock_);
    if (reset) names_.clear();
    for (const std::string& name : names)
        AddLocked(name);
}

bool ServerGroupList::Contains(std::string_view name) const
{
    std::lock_guard<std::mutex> guard(lock_);
    return std::find(names_.begin(), names_.end(), name) != names_.end();
}

void ServerGroupList::Reset()
{
    std::lock_guard<std::mutex> guard(lock_);
    names_.clear();
}

std::vector<std::string> ServerGroupList::Names() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return names_;
}

int ReadGroupLists(MailslotReader& reader, ServerGroupList& list, const TextCodec& codec)
{
    std::vector<uint8_t> datagram;
    for (;;) {
        uint32_t nextSize = 0;
        uint32_t waiting = 0;
        if (!reader.Peek(nextSize, waiting) || waiting == 0) break;
        datagram.clear();
        if (!reader.Read(datagram)) break;
        ApplyGroupListAnswer(datagram, list, codec);
    }
    return 1;
}

bool RequestGroupList(MailslotWriter& writer, std::string_view server, std::string_view user, std::string_view computer)
{
    return WriteToServer(writer, server, kRelayGroupServerMailslot, BuildGroupListRequest(user, computer));
}

bool RequestOfflineMessages(MailslotWriter& writer, std::string_view server, std::string_view user,
                            std::string_view computer)
{
    return WriteToServer(writer, server, kRelayMessageServerMailslot, BuildOfflineRequest(user, computer));
}

bool StoreOffline(MailslotWriter& writer, std::string_view server, std::string_view senderNormalised,
                  std::string_view recipient, std::string_view text)
{
    return WriteToServer(writer, server, kRelayMessageServerMailslot,
                         BuildOfflineStore(senderNormalised, recipient, text));
}

bool RelayRefresh::OnMinuteTick(bool useServer)
{
    bool due = false;
    if (minutes_ > 60) {
        minutes_ = 0;
        due = useServer;
    }
    ++minutes_;
    return due;
}

void StartRelayClient(bool useServer, bool clientMailslotCreated, const RelayIdentity& identity, MailslotWriter& writer,
                      RelayRefresh& refresh)
{
    if (!useServer) return;
    if (clientMailslotCreated) {
        RequestGroupList(writer, identity.server, identity.user, identity.computer);
        refresh.OnStartup();
    }
    RequestOfflineMessages(writer, identity.server, identity.user, identity.computer);
}

void RunRelayMinute(bool useServer, const RelayIdentity& identity, RelayRefresh& refresh, MailslotReader& reader,
                    ServerGroupList& list, const TextCodec& codec, MailslotWriter& writer)
{
    if (!refresh.OnMinuteTick(useServer)) return;
    ReadGroupLists(reader, list, codec);
    RequestOfflineMessages(writer, identity.server, identity.user, identity.computer);
}

} // namespace kivet
