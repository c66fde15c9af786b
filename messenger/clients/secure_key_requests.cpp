#include "messenger/clients/secure_key_requests.h"

#include <cstring>

#include "messenger/clients/secure_log.h"
#include "messenger/clients/secure_record_reader.h"
#include "messenger/clients/secure_record_writer.h"

namespace kivet {
namespace {

SecurePrekey PrekeyOf(const SecureRecord& record)
{
    SecurePrekey prekey{};
    std::memcpy(prekey.data(), record.prekey, prekey.size());
    return prekey;
}

bool IsFileKey(uint32_t type)
{
    return type == kSecureStatusTransfer || type == kSecureStatusTransferAnswer;
}

void FileKey(SecureParts& parts, uint32_t type, const std::string& computer, const SecureKey& key)
{
    if (IsFileKey(type))
        parts.api.AddFileKey(computer.c_str(), key);
    else
        parts.api.AddMessageKey(computer.c_str(), key);
}

// Connects back to the requester and sends the answer; false when it did not go out.
bool SendAnswer(SecureParts& parts, const SecureRecord& answer, const std::string& requester)
{
    const bool sent = parts.api.ConnectToServer(requester.c_str()) && parts.api.SendData(answer);
    parts.api.DisconnectClient();
    return sent;
}

} // namespace

void AnswerKeyRequest(SecureParts& parts, const SecureRecord& record)
{
    const SecureRecordFields fields = ReadSecureRecord(record);
    if (fields.type == kSecureStatusTransfer) parts.log.Write("RECEIVER: SECURE_STATUS_TRANSFER received.");
    parts.log.Write("RECEIVER: SECURE_STATUS_REQUEST received.");
    parts.log.Write("RECEIVER: Sender prekey:");
    const SecurePrekey peerPrekey = PrekeyOf(record);
    LogPrekeyLine(parts.log, peerPrekey);
    if (fields.senderComputer.empty()) return;

    SecurePrekey ownPrekey{};
    parts.api.GeneratePreKey(ownPrekey);
    const uint32_t answerType = IsFileKey(fields.type) ? kSecureStatusTransferAnswer : kSecureStatusAnswer;
    const SecureRecord answer =
        BuildKeyRecord(answerType, parts.host.LocalUser(), parts.host.LocalComputer(), ownPrekey);
    const bool answered = SendAnswer(parts, answer, fields.senderComputer);

    // The key is made even when the answer failed, so the pending exponent is used up.
    SecureKey key{};
    parts.api.GenerateKey(peerPrekey, key);
    if (!answered) return;
    parts.log.Write("RECEIVER: Prekey was sent to sender.");
    parts.log.Write("RECEIVER: The final key is:");
    LogKeyLine(parts.log, key);
    FileKey(parts, fields.type, fields.senderComputer, key);
}

void FileAnsweredKey(SecureParts& parts, const SecureRecord& record)
{
    const SecureRecordFields fields = ReadSecureRecord(record);
    parts.log.Write(IsFileKey(fields.type) ? "SENDER: SECURE_STATUS_TRANSFER_ANSWER received."
                                           : "SENDER: SECURE_STATUS_ANSWER received.");
    SecureKey key{};
    parts.api.GenerateKey(PrekeyOf(record), key);
    parts.log.Write("SENDER: The final key was generated:");
    LogKeyLine(parts.log, key);
    if (!fields.senderComputer.empty()) FileKey(parts, fields.type, fields.senderComputer, key);
}

} // namespace kivet
