// The relay client's process-wide state: the server's group list and the minute counter.
#pragma once

#include "messenger/transport/relay_client.h"

namespace kivet {

ServerGroupList& RelayServerGroups();
RelayRefresh& RelayMinuteCounter();
// The relay server's name, this user and computer, as the relay datagrams carry them.
struct RelayNames {
    std::string server, user, computer;
    RelayIdentity Identity() const { return {server, user, computer}; }
};
RelayNames CurrentRelayNames();

} // namespace kivet
