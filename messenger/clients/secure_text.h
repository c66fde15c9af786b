// A message text in a SecureRecord: enciphered in 8-byte blocks from the payload's start, the last
// block filled up with zeros, the plain length carried in textLength.
#pragma once

#include <string>
#include <string_view>

#include "messenger/clients/secure_api.h"
#include "messenger/clients/secure_record.h"

namespace kivet {

// Writes text (cut at its first NUL and at 4999 characters) enciphered under key into the
// record's payload, zero behind the last block, and its length into textLength.
void EncipherText(SecureApi& api, const SecureKey& key, std::string_view text, SecureRecord& record);

// The text of a received record: the first ceil(L / 8) payload blocks deciphered under key, where
// L is textLength bounded at 4999, cut at L characters or at the first zero byte.
std::string DecipherText(SecureApi& api, const SecureKey& key, const SecureRecord& record);

} // namespace kivet
