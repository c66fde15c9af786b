#include "messenger/transport/win32/relay_state.h"

#include "common/fixed_text.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/win32/program_state.h"
#include "messenger/runtime/win32/registry_store_win32.h"

namespace kivet {

ServerGroupList& RelayServerGroups()
{
    static ServerGroupList list;
    return list;
}

RelayRefresh& RelayMinuteCounter()
{
    static RelayRefresh refresh;
    return refresh;
}

RelayNames CurrentRelayNames()
{
    Win32Registry registry;
    RelayNames names;
    names.server = ReadServer(registry);
    if (const NetworkState* network = Program().network) {
        names.user = std::string(FieldText(network->userName));
        names.computer = std::string(FieldText(network->computerName));
    }
    return names;
}

} // namespace kivet
