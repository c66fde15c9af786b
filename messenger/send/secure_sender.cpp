#include "messenger/send/secure_sender.h"

namespace kivet {

SecureResult SecureResultFromCode(uint32_t code)
{
    switch (code) {
    case 0: return SecureResult::Sent;
    case 2: return SecureResult::NoSecureMessenger;
    default: return SecureResult::Failed;
    }
}

SecureResult PlainOnlySecureSender::Send(std::string_view, std::string_view)
{
    return SecureResult::NoSecureMessenger;
}

} // namespace kivet
