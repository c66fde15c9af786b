// The action-log lines of the secure exchange. A key or prekey line is an action whose text is the
// key's bytes as they are, up to the first zero byte.
#pragma once

#include "messenger/clients/secure_api.h"
#include "messenger/runtime/action_log.h"

namespace kivet {

void LogKeyLine(ActionWriter& log, const SecureKey& key);
void LogPrekeyLine(ActionWriter& log, const SecurePrekey& prekey);

} // namespace kivet
