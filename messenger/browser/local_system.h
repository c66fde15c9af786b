// The local machine's own names as the system reports them (ANSI code page).
#pragma once

#include <string>

namespace kivet {

class LocalSystem {
public:
    virtual ~LocalSystem() = default;
    virtual std::string ComputerName() = 0;
    virtual std::string LogonName() = 0; // empty when the system does not say
};

} // namespace kivet
