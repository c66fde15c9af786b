// The secure way to one recipient computer: the text goes enciphered over the secure exchange.
// The sending code asks it first and falls back to a plain datagram by its answer.
#pragma once

#include <cstdint>
#include <string_view>

namespace kivet {

enum class SecureResult : int {
    Sent = 0,              // delivered enciphered; no plain datagram
    Failed = 1,            // no key was agreed in time
    NoSecureMessenger = 2, // nothing answers the secure exchange on that computer
};

// The secure sender reports its result as a thread's exit code; a code other than 0, 1 or 2 (a
// thread that ended abnormally) counts as a failure.
SecureResult SecureResultFromCode(uint32_t code);

class SecureSender {
public:
    virtual ~SecureSender() = default;
    // computer: at most 15 characters, no trailing blanks; text: at most 4999 characters.
    // Returns when the exchange has ended.
    virtual SecureResult Send(std::string_view computer, std::string_view text) = 0;
};

// Used while the program has no secure exchange of its own: every computer answers as one that
// runs no secure messenger, so every message goes out plain (after the user's consent).
class PlainOnlySecureSender final : public SecureSender {
public:
    SecureResult Send(std::string_view computer, std::string_view text) override;
};

} // namespace kivet
