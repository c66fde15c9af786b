// The local computer and logon names from the system.
#pragma once

#include "messenger/browser/local_system.h"

namespace kivet {

class Win32LocalSystem : public LocalSystem {
public:
    std::string ComputerName() override;
    std::string LogonName() override;
};

} // namespace kivet
