// Whether a computer runs the secure messenger: something accepts a connection on its secure
// port. The network scan asks this for every computer but the local one.
#pragma once

#include <string_view>

#include "messenger/clients/secure_api.h"

namespace kivet {

bool ProbeSecureServer(SecureApi& api, std::string_view computer);

} // namespace kivet
