// The key agreement as the exchange thread serves it: a request (message key, or file key for the
// transfer component) is answered on a connection of its own, and an answer to this computer's
// own request gives the key. Agreed keys are filed under the peer's computer name.
#pragma once

#include "messenger/clients/secure_parts.h"
#include "messenger/clients/secure_record.h"

namespace kivet {

// SECURE_STATUS_REQUEST or SECURE_STATUS_TRANSFER: sends this computer's prekey back to the
// requesting computer (SECURE_STATUS_ANSWER or SECURE_STATUS_TRANSFER_ANSWER) and files the key in
// the message or the file table. Without a computer to answer, or when the answer cannot be
// delivered, nothing is filed.
void AnswerKeyRequest(SecureParts& parts, const SecureRecord& record);

// SECURE_STATUS_ANSWER or SECURE_STATUS_TRANSFER_ANSWER: files the key made from the peer's
// prekey under the answering computer, in the message or the file table.
void FileAnsweredKey(SecureParts& parts, const SecureRecord& record);

} // namespace kivet
