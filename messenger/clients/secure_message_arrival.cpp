#include "messenger/clients/secure_message_arrival.h"

#include <string>

#include "messenger/clients/secure_log.h"
#include "messenger/clients/secure_record_reader.h"
#include "messenger/clients/secure_text.h"
#include "messenger/store/record_builder.h"

namespace kivet {
namespace {

bool FromIgnoredSender(SecureHost& host, const SecureRecordFields& fields)
{
    if (!host.Settings().activeIgnorList) return false;
    return (!fields.senderName.empty() && host.InIgnoreList(fields.senderName)) ||
           (!fields.senderComputer.empty() && host.InIgnoreList(fields.senderComputer));
}

// The deciphered text, or the missing-key text when no key is filed for the sender's computer.
std::string MessageText(SecureParts& parts, const SecureRecordFields& fields, const SecureRecord& record)
{
    SecureKey key{};
    if (fields.senderComputer.empty() || !parts.api.GetMessageKey(fields.senderComputer.c_str(), key))
        return kSecureMissingKeyText;
    std::string text = DecipherText(parts.api, key, record);
    parts.log.Write("RECEIVER: The final key was found:");
    LogKeyLine(parts.log, key);
    return text;
}

MessageRecord BuildStoredRecord(SecureParts& parts, const SecureRecordFields& fields, const std::string& receivedAt,
                                const std::string& text)
{
    const TextCodec& codec = parts.host.Codec();
    const std::string sender = NormaliseName(codec, fields.senderName);
    const std::string recipient = NormaliseName(codec, parts.host.LocalComputer());
    RecordFields values;
    values.receivedAt = receivedAt;
    values.sender = sender;
    values.recipient = recipient;
    values.text = text;
    values.secure = true;
    return BuildRecord(values);
}

// The key an ignored sender agreed is taken out of the table all the same, so it cannot linger.
void DiscardKey(SecureApi& api, const SecureRecordFields& fields)
{
    SecureKey unused{};
    if (!fields.senderComputer.empty()) api.GetMessageKey(fields.senderComputer.c_str(), unused);
}

} // namespace

void ReceiveSecureMessage(SecureParts& parts, MessageStore& store, const SecureRecord& record)
{
    parts.log.Write("RECEIVER: SECURE_STATUS_MESSAGE received.");
    const SecureRecordFields fields = ReadSecureRecord(record);
    if (FromIgnoredSender(parts.host, fields)) {
        DiscardKey(parts.api, fields);
        return;
    }

    const std::string receivedAt = parts.host.ReceivedAtNow();
    const std::string text = MessageText(parts, fields, record);
    const MessageRecord stored = BuildStoredRecord(parts, fields, receivedAt, text);
    store.Append(stored);

    const SecureSettings settings = parts.host.Settings();
    if (settings.autoReplyMode && !fields.senderComputer.empty()) parts.host.AnswerWithAutoReply(fields.senderComputer);
    if (settings.logHistory) parts.host.WriteIncomingHistory(stored);
    parts.host.SecureMessageStored();
}

} // namespace kivet
