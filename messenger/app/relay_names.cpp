#include "messenger/app/relay_names.h"

#include "common/fixed_text.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/win32/registry_store_win32.h"

namespace kivet {

RelayNames CurrentRelayNames(const Application& app)
{
    Win32Registry registry;
    RelayNames names;
    names.server = ReadServer(registry);
    if (const NetworkState* network = app.network) {
        names.user = std::string(FieldText(network->userName));
        names.computer = std::string(FieldText(network->computerName));
    }
    return names;
}

} // namespace kivet
