// The relay server's name, this user and computer, as the relay datagrams carry them.
#pragma once

#include <string>

#include "messenger/app/application.h"

namespace kivet {

struct RelayNames {
    std::string server, user, computer;
    RelayIdentity Identity() const { return {server, user, computer}; }
};

RelayNames CurrentRelayNames(const Application& app);

} // namespace kivet
