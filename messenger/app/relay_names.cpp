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
    const NetworkState identity = app.Identity();
    names.user = std::string(FieldText(identity.userName));
    names.computer = std::string(FieldText(identity.computerName));
    return names;
}

} // namespace kivet
