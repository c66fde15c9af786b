#include "messenger/transport/writers.h"

#include <vector>

#include "messenger/transport/group_datagram.h"
#include "messenger/transport/mailslot_target.h"
#include "messenger/transport/plain_datagram.h"

namespace kivet {
namespace {

constexpr unsigned kPausePerPieceMs = 100;

bool WriteBytes(MailslotWriter& writer, std::string_view target, std::string_view path,
                const std::vector<uint8_t>& bytes)
{
    return writer.Write(target, path, bytes.data(), bytes.size());
}

// A split message: every piece flagged 2, a pause after each full one, the history after the last.
bool SendPieces(MailslotWriter& writer, const TextCodec& codec, ReceiveContext& context, const PlainHeader& header,
                std::string_view target, std::string_view text)
{
    for (std::string_view piece : SplitPlainText(text)) {
        const auto datagram = BuildPlainDatagram(codec, header, piece, kPlainFlagSplitPiece);
        if (!WriteBytes(writer, target, kPlainMailslot, datagram)) return false;
        if (piece.size() == kPlainPieceLength) context.Pause(kPausePerPieceMs);
    }
    if (context.Settings().logHistory) context.WriteOutgoingHistory(NormaliseName(codec, header.recipient), text);
    return true;
}

} // namespace

SenderIdentity LocalSenderIdentity(ReceiveContext& context)
{
    const bool useComputerName = context.Settings().useComputerName;
    return {useComputerName ? context.LocalComputer() : context.LocalUser(), context.LocalComputer()};
}

SenderIdentity ReceiptSenderIdentity(ReceiveContext& context)
{
    return {context.LocalUser(), context.LocalComputer()};
}

bool SendPlain(MailslotWriter& writer, const TextCodec& codec, ReceiveContext& context, const SenderIdentity& identity,
               std::string_view target, std::string_view recipient, std::string_view text, uint8_t flag)
{
    PlainHeader header;
    header.senderName = identity.senderName;
    header.autoReply = flag == kPlainFlagAutoReply;
    header.recipient = recipient;
    header.originComputer = identity.originComputer;
    // An automatic answer goes back to one sender only; a message the user sends may go to "*".
    const Broadcast broadcast = header.autoReply ? Broadcast::Refused : Broadcast::Allowed;
    if (!IsMailslotTarget(target, broadcast)) return false;

    if (text.size() >= kPlainPieceLength) return SendPieces(writer, codec, context, header, target, text);

    if (context.Settings().logHistory) context.WriteOutgoingHistory(NormaliseName(codec, recipient), text);
    return WriteBytes(writer, target, kPlainMailslot, BuildPlainDatagram(codec, header, text, flag));
}

void GroupSendHistory::RecordOnce(std::string_view group, std::string_view text)
{
    if (!context_.Settings().logHistory) return;
    if (written_.exchange(true)) return;
    context_.WriteOutgoingHistory(group, text);
}

bool SendGroup(MailslotWriter& writer, const TextCodec& codec, const SenderIdentity& identity, uint32_t kind,
               std::string_view group, std::string_view target, std::string_view text, GroupSendHistory* history)
{
    // A receipt answers one computer; a group message may go to "*".
    if (!IsMailslotTarget(target, kind == kGroupMessage ? Broadcast::Allowed : Broadcast::Refused)) return false;
    GroupFields fields;
    fields.kind = kind;
    fields.groupName = std::string(group);
    fields.targetName = std::string(target);
    fields.senderComputer = identity.originComputer;
    fields.senderName = identity.senderName;
    fields.text = std::string(text);
    if (history != nullptr && kind == kGroupMessage) history->RecordOnce(group, text);

    const GroupDatagramBytes bytes = BuildGroupDatagram(codec, fields);
    return writer.Write(target, kGroupMailslot, bytes.data(), bytes.size());
}

bool SendAutoReply(MailslotWriter& writer, const TextCodec& codec, const AutoReplyFields& fields)
{
    // The path names the computer the field at offset 20 holds, so cut the same way.
    std::string_view target = fields.addressedTo;
    target = target.substr(0, target.find('\0')).substr(0, sizeof(AutoReplyDatagram::addressedTo) - 1);
    if (!IsMailslotTarget(target, Broadcast::Refused)) return false;
    const AutoReplyDatagramBytes bytes = BuildAutoReplyDatagram(codec, fields);
    return writer.Write(target, kAutoReplyMailslot, bytes.data(), bytes.size());
}

} // namespace kivet
