// A SECURE_STATUS_MESSAGE received by the exchange thread: the Ignore List test, the record for
// the store (unread, secure, display forms of the names, the deciphered text), the Auto-Reply
// answer, the history and the new-message notification.
#pragma once

#include "messenger/clients/secure_parts.h"
#include "messenger/clients/secure_record.h"
#include "messenger/store/message_store.h"

namespace kivet {

// The text stored for a message whose key is not filed.
constexpr const char* kSecureMissingKeyText = "[Cannot find key to decode the message]";

void ReceiveSecureMessage(SecureParts& parts, MessageStore& store, const SecureRecord& record);

} // namespace kivet
