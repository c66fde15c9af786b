#include "messenger/clients/secure_send_thread.h"

#include <string>
#include <system_error>
#include <thread>

namespace kivet {

int RunSecureSend(SecureParts parts, std::string_view recipient, std::string_view text, SecureKeyWait wait)
{
    const std::string to(recipient);
    const std::string message(text);
    SecureSendResult result = SecureSendResult::Error;
    try {
        std::thread sender([&] { result = SendSecureMessage(parts, to, message, wait); });
        sender.join();
    } catch (const std::system_error&) {
        return static_cast<int>(SecureSendResult::Error);
    }
    return static_cast<int>(result);
}

} // namespace kivet
