// Host names and IPv4 addresses through the system's resolver (Windows Sockets 1.1 on Windows).
#pragma once

#include <string>

namespace kivet {

class HostLookup {
public:
    virtual ~HostLookup() = default;
    // The host name registered for a dotted-decimal IPv4 address; empty when there is none or
    // the text is not an address.
    virtual std::string NameOfAddress(const std::string& address) = 0;
    // The first IPv4 address of a host name, dotted decimal; empty when it has none.
    virtual std::string AddressOfName(const std::string& name) = 0;
};

} // namespace kivet
