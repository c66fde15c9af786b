// Writing the program's datagrams: Messenger-format messages (split when long), group messages
// and receipts, and auto-reply requests and answers. Each writer opens the target's mailslot,
// writes one datagram, closes it, and reports whether the system took the datagram.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

#include "messenger/transport/auto_reply_datagram.h"
#include "messenger/transport/mailslot_port.h"
#include "messenger/transport/receive_context.h"
#include "common/text_codec.h"

namespace kivet {

// Who a datagram says it comes from: the sender name (normalised by the builders) and the
// computer it was written on.
struct SenderIdentity {
    std::string senderName;
    std::string originComputer;
};

// The user name, or the computer name when UseComputerName is on; the local computer as origin.
SenderIdentity LocalSenderIdentity(ReceiveContext& context);

// The user name whatever UseComputerName says, as group receipts carry it.
SenderIdentity ReceiptSenderIdentity(ReceiveContext& context);

// Writes the text to target + "\mailslot\messngr" in as many datagrams as the splitting rule
// gives: one with the caller's flag (0, or 1 for an automatic answer, whose sender then carries
// " (AUTO-REPLY)") for a text under 300 characters, otherwise every piece flagged 2 with a pause
// of 100 ms after each full piece. With LogHistory on, the message goes to the history as
// outgoing: before the write of a single datagram, after the last piece of a split one. Stops at
// the first write that fails and returns false; true when every datagram was written.
bool SendPlain(MailslotWriter& writer, const TextCodec& codec, ReceiveContext& context, const SenderIdentity& identity,
               std::string_view target, std::string_view recipient, std::string_view text, uint8_t flag);

// The history of a group send: a group message reaches many targets in one sending operation but
// is written to the history once. The sending thread resets it before each operation.
class GroupSendHistory {
public:
    explicit GroupSendHistory(ReceiveContext& context) : context_(context) {}
    void Reset() { written_ = false; }
    // Writes the message as outgoing to the group, with LogHistory on, once after a Reset.
    void RecordOnce(std::string_view group, std::string_view text);

private:
    ReceiveContext& context_;
    std::atomic<bool> written_{false};
};

// Writes one group datagram of the kind (kGroupMessage or kGroupReceipt) to target +
// "\mailslot\kivet\group". With a history given, a message (kind 0) is recorded through it
// before the write; receipts never are.
bool SendGroup(MailslotWriter& writer, const TextCodec& codec, const SenderIdentity& identity, uint32_t kind,
               std::string_view group, std::string_view target, std::string_view text,
               GroupSendHistory* history = nullptr);

// Writes the auto-reply datagram to its addressedTo computer + "\mailslot\kivet\autoanswer".
bool SendAutoReply(MailslotWriter& writer, const TextCodec& codec, const AutoReplyFields& fields);

} // namespace kivet
