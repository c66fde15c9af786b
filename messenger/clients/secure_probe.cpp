#include "messenger/clients/secure_probe.h"

#include <string>

namespace kivet {

bool ProbeSecureServer(SecureApi& api, std::string_view computer)
{
    const std::string name(computer.substr(0, computer.find('\0')));
    if (name.empty()) return false;
    const bool answers = api.ConnectToServer2(name.c_str());
    api.DisconnectClient2();
    return answers;
}

} // namespace kivet
