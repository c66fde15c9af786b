// The secure sender: one enciphered message to one computer. It asks the recipient's secure server
// for a key, waits until the exchange thread has filed the answer's key, enciphers the text under
// it and sends it on a connection of its own.
#pragma once

#include <string_view>

#include "messenger/clients/secure_parts.h"

namespace kivet {

// What the sending code is told; the numbers are the sending thread's exit codes.
enum class SecureSendResult : int {
    Sent = 0,              // the message went out enciphered
    Error = 1,             // no key was agreed in time, or the message could not be delivered
    NoSecureMessenger = 2, // nothing answers on the recipient's secure port
};

// How the sender waits for the answer's key: polls times, interval apart (about 15 s in all).
struct SecureKeyWait {
    unsigned polls = 150;
    unsigned intervalMs = 100;
};

constexpr int kSecureConnectAttempts = 4;
constexpr const char* kCannotSendText = "Cannot connect and send the message";

// recipient: the computer name (trailing blanks removed, cut to 19 characters); text: cut at
// 4999 characters. When the message cannot be delivered after the key was agreed, the user sees
// "Cannot connect and send the message" and the result is Error, so the sending code can offer
// the plain way.
SecureSendResult SendSecureMessage(SecureParts& parts, std::string_view recipient, std::string_view text,
                                   SecureKeyWait wait = {});

} // namespace kivet
