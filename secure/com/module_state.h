// The state the loaded module shares between all its objects: one key agreement and the three
// connection slots on port 19803.
#pragma once

#include "secure/connection_slots.h"
#include "secure/key_agreement.h"

namespace kivet::secure::com {

inline ModuleKeyAgreement& Agreement()
{
    return LoadedModuleKeyAgreement();
}
ConnectionSlots& Slots();

} // namespace kivet::secure::com
