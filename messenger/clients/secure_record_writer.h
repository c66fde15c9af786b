// Building the records this computer sends: key requests and answers, and the message header.
#pragma once

#include <cstdint>
#include <string_view>

#include "messenger/clients/secure_api.h"
#include "messenger/clients/secure_record.h"

namespace kivet {

// A zeroed record of the type with the two names (each cut to 19 characters) and the prekey.
SecureRecord BuildKeyRecord(uint32_t type, std::string_view senderName, std::string_view senderComputer,
                            const SecurePrekey& prekey);

// A zeroed SECURE_STATUS_MESSAGE with the two names; the text goes in with EncipherText.
SecureRecord BuildMessageRecord(std::string_view senderName, std::string_view senderComputer);

} // namespace kivet
