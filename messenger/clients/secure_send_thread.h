// The entry the sending code calls for one secure recipient: the secure sender runs on a thread
// of its own and the caller waits for it, without a time limit.
#pragma once

#include <string_view>

#include "messenger/clients/secure_sender.h"

namespace kivet {

// 0 sent, 1 error (also when the thread cannot be started), 2 no secure messenger on the remote.
int RunSecureSend(SecureParts parts, std::string_view recipient, std::string_view text, SecureKeyWait wait = {});

} // namespace kivet
