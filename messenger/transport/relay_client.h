// The client side of the relay server: the group lists it announces, the requests for group lists
// and offline messages, storing a message for an absent recipient, and the hourly refresh.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "messenger/transport/mailslot_port.h"
#include "common/text_codec.h"

namespace kivet {

// The relay server's groups share the storage limits of the personal name lists.
constexpr std::size_t kServerGroupListLimit = 50;
constexpr std::size_t kServerGroupNameLimit = 19;

// The groups the relay server says the user belongs to, upper-cased, each once. Filled on the main
// thread and read by the sending thread, hence the lock.
class ServerGroupList {
public:
    // Adds the name unless it is empty, longer than 19 characters, already there or the list is
    // full; returns whether it was added.
    bool Add(std::string_view name);
    // Empties the list first when reset is set, then adds the names; readers see either the old
    // list or the whole new one.
    void Update(bool reset, const std::vector<std::string>& names);
    // Exact, case-sensitive comparison, as for the personal lists.
    bool Contains(std::string_view name) const;
    void Reset();
    std::vector<std::string> Names() const;

private:
    bool AddLocked(std::string_view name);

    mutable std::mutex lock_;
    std::vector<std::string> names_;
};

// Reads every waiting group-list answer into the list, upper-casing names with the codec. Stops
// when the mailslot is empty or a query or read fails; a malformed answer is skipped. Returns 1.
int ReadGroupLists(MailslotReader& reader, ServerGroupList& list, const TextCodec& codec);

// Each writes one datagram to the server's mailslot and returns false, writing nothing, when the
// server name is empty or its mailslot cannot be opened.
bool RequestGroupList(MailslotWriter& writer, std::string_view server, std::string_view user,
                      std::string_view computer);
bool RequestOfflineMessages(MailslotWriter& writer, std::string_view server, std::string_view user,
                            std::string_view computer);
// Offers the first 260 characters of the text for an absent recipient.
bool StoreOffline(MailslotWriter& writer, std::string_view server, std::string_view senderNormalised,
                  std::string_view recipient, std::string_view text);

// The relay minute counter, moved by the minute timer (which runs only while scanning is on).
class RelayRefresh {
public:
    void OnStartup() { minutes_ = 0; }
    // Counts one minute; true when the group lists should be read and the offline messages
    // requested now: 62 minutes after start-up, then every 61 minutes, and only with useServer.
    bool OnMinuteTick(bool useServer);

private:
    uint16_t minutes_ = 0;
};

// Where the relay datagrams go and whom they name.
struct RelayIdentity {
    std::string_view server;
    std::string_view user;
    std::string_view computer;
};

// Start-up: with useServer, the group-list request (only when the client mailslot was created,
// which also restarts the minute counter) and the offline-messages request.
void StartRelayClient(bool useServer, bool clientMailslotCreated, const RelayIdentity& identity, MailslotWriter& writer,
                      RelayRefresh& refresh);

// One tick of the minute timer: reads the group lists and requests offline messages when due.
void RunRelayMinute(bool useServer, const RelayIdentity& identity, RelayRefresh& refresh, MailslotReader& reader,
                    ServerGroupList& list, const TextCodec& codec, MailslotWriter& writer);

} // namespace kivet
