// The system's NetBIOS for the whole process, behind the once-only adapter reset, so that every
// user of it (the start-up, the scans, the away name) shares one record of reset adapters.
#pragma once

#include <memory>

#include "messenger/browser/netbios.h"

namespace kivet {

std::shared_ptr<NetBios> SystemNetBios();

} // namespace kivet
