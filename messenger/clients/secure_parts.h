// The three things every step of the secure exchange works with: the component, the rest of the
// program and the action log.
#pragma once

#include "messenger/clients/secure_api.h"
#include "messenger/clients/secure_host.h"
#include "messenger/runtime/action_log.h"

namespace kivet {

struct SecureParts {
    SecureApi& api;
    SecureHost& host;
    ActionWriter& log;
};

} // namespace kivet
