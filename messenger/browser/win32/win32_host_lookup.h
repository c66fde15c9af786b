// Host names and addresses through Windows Sockets 1.1 (gethostbyaddr, gethostbyname). Needs a
// started sockets session (SocketsSession).
#pragma once

#include "messenger/browser/host_lookup.h"

namespace kivet {

class Win32HostLookup : public HostLookup {
public:
    std::string NameOfAddress(const std::string& address) override;
    std::string AddressOfName(const std::string& name) override;
};

} // namespace kivet
