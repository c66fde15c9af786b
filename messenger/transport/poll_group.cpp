#include "messenger/transport/poll_group.h"

#include <mutex>
#include <string>
#include <vector>

#include "messenger/store/record_builder.h"
#include "messenger/transport/group_datagram.h"
#include "messenger/transport/mailslot_poll.h"
#include "messenger/transport/writers.h"

namespace kivet {
namespace {

// Tells the sender's computer that this user received the message to the group.
void SendReceipt(MailslotWriter& writer, const TextCodec& codec, ReceiveContext& context, const GroupFields& message)
{
    if (message.senderComputer.empty()) return;
    SendGroup(writer, codec, ReceiptSenderIdentity(context), kGroupReceipt, message.groupName, message.senderComputer,
              "");
}

MessageRecord BuildGroupRecord(const TextCodec& codec, ReceiveContext& context, const GroupFields& message)
{
    const std::string receivedAt = context.ReceivedAtNow();
    const std::string sender = NormaliseName(codec, message.senderName);
    RecordFields fields;
    fields.receivedAt = receivedAt;
    fields.sender = sender;
    fields.recipient = message.groupName;
    fields.text = message.text;
    fields.originName = message.senderComputer;
    return BuildRecord(fields);
}

// Returns whether a record was stored.
bool HandleGroupMessage(MailslotWriter& writer, const TextCodec& codec, ReceiveContext& context, MessageStore& store,
                        const GroupFields& message)
{
    if (message.groupName == kPresenceProbeGroup) {
        SendReceipt(writer, codec, context, message);
        return false;
    }
    if (!context.IsMemberOfGroup(message.groupName)) return false;
    SendReceipt(writer, codec, context, message);

    const MessageRecord record = BuildGroupRecord(codec, context, message);
    if (!store.AppendGroup(record)) return false;
    if (context.Settings().logHistory) context.WriteIncomingHistory(record);
    return true;
}

void HandleReceipt(ReceiptTable& receipts, const GroupFields& receipt)
{
    if (receipt.senderName.empty() && receipt.senderComputer.empty()) return;
    receipts.Add(receipt.senderName, receipt.senderComputer);
}

} // namespace

int PollGroup(MailslotReader& reader, MailslotWriter& writer, const TextCodec& codec, ReceiveContext& context,
              MessageStore& store, ReceiptTable& receipts)
{
    std::lock_guard<std::mutex> guard(receipts.GroupPollTurn());
    MailslotPass pass;
    if (!FirstDatagramWaiting(reader, pass)) return -1;
    bool stored = false;
    do {
        std::vector<uint8_t> bytes;
        if (!reader.Read(bytes)) break;
        const GroupFields fields = ReadGroupDatagram(codec, bytes.data(), bytes.size());
        if (fields.kind == kGroupMessage && HandleGroupMessage(writer, codec, context, store, fields)) stored = true;
        if (fields.kind == kGroupReceipt) HandleReceipt(receipts, fields);
    } while (ContinuePass(reader, context, pass));
    return stored ? 1 : -1;
}

} // namespace kivet
