// One record received by the secure server, handled by its type. Records of other types are
// passed over, so the next record on the same connection is still read.
#pragma once

#include "messenger/clients/secure_parts.h"
#include "messenger/clients/secure_record.h"
#include "messenger/store/message_store.h"

namespace kivet {

void HandleSecureRecord(SecureParts& parts, MessageStore& store, const SecureRecord& record);

} // namespace kivet
