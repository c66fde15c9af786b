#include "secure/com/module_state.h"

namespace kivet::secure::com {

ConnectionSlots& Slots()
{
    static ConnectionSlots slots(kSecurePort);
    return slots;
}

} // namespace kivet::secure::com
