// What the network browser does on the system it runs on. The OS family code of the start-up
// stays as it is for the parts that read it; the browser decides by the platform instead, so that
// every NT system after XP (family code 0) registers, retrieves and rescans as XP does.
#pragma once

#include "messenger/runtime/os_family.h"

namespace kivet {

struct BrowserPlatform {
    bool registersNames = false;  // the NT platform: the local names are registered on the adapter
    bool rescansAdapters = false; // NT 5.1 and later: each scan enumerates and registers again
    bool retrievesNames = false;  // the version query named a known platform
};

BrowserPlatform BrowserPlatformFor(const OsVersion& version);

} // namespace kivet
