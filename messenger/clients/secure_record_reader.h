// Reading a SecureRecord that came from the network: the names end at their first NUL and never
// run past their fields, and the text length is bounded by the payload.
#pragma once

#include <cstdint>
#include <string>

#include "messenger/clients/secure_record.h"

namespace kivet {

struct SecureRecordFields {
    uint32_t type = 0;
    std::string senderName;     // at most 19 characters
    std::string senderComputer; // at most 19 characters
    uint32_t textLength = 0;    // at most 4999
};

SecureRecordFields ReadSecureRecord(const SecureRecord& record);

} // namespace kivet
