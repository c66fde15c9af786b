#include "messenger/clients/secure_sender.h"

#include <string>

#include "common/fixed_text.h"
#include "messenger/clients/secure_log.h"
#include "messenger/clients/secure_record_writer.h"
#include "messenger/clients/secure_text.h"

namespace kivet {
namespace {

std::string RecipientName(std::string_view recipient)
{
    recipient = recipient.substr(0, recipient.find('\0'));
    while (!recipient.empty() && recipient.back() == ' ')
        recipient.remove_suffix(1);
    char field[kSecureNameSize];
    CopyCut(field, recipient);
    return field;
}

std::string SenderName(SecureHost& host)
{
    return host.Settings().useComputerName ? host.LocalComputer() : host.LocalUser();
}

// Up to four connection attempts on the request slot; each failure releases the slot.
bool ConnectToRecipient(SecureApi& api, const std::string& recipient)
{
    for (int attempt = 0; attempt < kSecureConnectAttempts; ++attempt) {
        if (api.ConnectToServer2(recipient.c_str())) return true;
        api.DisconnectClient2();
    }
    return false;
}

// Sends the key request on the connection ConnectToRecipient opened, and closes it.
bool SendKeyRequest(SecureParts& parts, const std::string& senderName)
{
    SecurePrekey prekey{};
    parts.api.GeneratePreKey(prekey);
    const bool sent =
        parts.api.SendData2(BuildKeyRecord(kSecureStatusRequest, senderName, parts.host.LocalComputer(), prekey));
    parts.api.DisconnectClient2();
    if (!sent) return false;
    parts.log.Write("SENDER: Prekey was sent to receiver:");
    LogPrekeyLine(parts.log, prekey);
    return true;
}

bool WaitForKey(SecureParts& parts, const std::string& recipient, SecureKeyWait wait, SecureKey& key)
{
    for (unsigned poll = 0; poll < wait.polls; ++poll) {
        if (parts.api.GetMessageKey(recipient.c_str(), key)) return true;
        parts.host.Pause(wait.intervalMs);
    }
    return false;
}

bool DeliverMessage(SecureApi& api, const std::string& recipient, const SecureRecord& message)
{
    const bool delivered = api.ConnectToServer2(recipient.c_str()) && api.SendData2(message);
    api.DisconnectClient2();
    return delivered;
}

} // namespace

SecureSendResult SendSecureMessage(SecureParts& parts, std::string_view recipient, std::string_view text,
                                   SecureKeyWait wait)
{
    const std::string to = RecipientName(recipient);
    const std::string senderName = SenderName(parts.host);

    if (!ConnectToRecipient(parts.api, to)) return SecureSendResult::NoSecureMessenger;
    // Both directions file keys under computer names in one table: a key left over from an
    // exchange that was given up (its answer came after the wait ended) would be picked up at
    // once by the wait below and encipher this message under a key the recipient no longer has.
    SecureKey stale{};
    parts.api.GetMessageKey(to.c_str(), stale);
    if (!SendKeyRequest(parts, senderName)) return SecureSendResult::Error;

    SecureKey key{};
    if (!WaitForKey(parts, to, wait, key)) return SecureSendResult::Error;
    SecureRecord message = BuildMessageRecord(senderName, parts.host.LocalComputer());
    EncipherText(parts.api, key, text, message);
    parts.log.Write("SENDER: The final key was successfully generated:");
    LogKeyLine(parts.log, key);

    if (!DeliverMessage(parts.api, to, message)) {
        parts.host.ShowBox(BoxSpec{kCannotSendText, "", BoxButtons::Ok, BoxIcon::None});
        return SecureSendResult::Error;
    }
    parts.log.Write("SENDER: Message was sent to receiver.");
    if (parts.host.Settings().logHistory) {
        const TextCodec& codec = parts.host.Codec();
        parts.host.WriteOutgoingHistory(NormaliseName(codec, senderName), NormaliseName(codec, to),
                                        text.substr(0, message.textLength));
    }
    return SecureSendResult::Sent;
}

} // namespace kivet
