#include "messenger/clients/secure_exchange.h"

#include "messenger/clients/secure_key_requests.h"
#include "messenger/clients/secure_message_arrival.h"

namespace kivet {

void HandleSecureRecord(SecureParts& parts, MessageStore& store, const SecureRecord& record)
{
    switch (record.type) {
    case kSecureStatusRequest:
    case kSecureStatusTransfer: AnswerKeyRequest(parts, record); break;
    case kSecureStatusAnswer:
    case kSecureStatusTransferAnswer: FileAnsweredKey(parts, record); break;
    case kSecureStatusMessage: ReceiveSecureMessage(parts, store, record); break;
    default: break;
    }
}

} // namespace kivet
