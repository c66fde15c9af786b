#include "messenger/transport/poll_plain.h"

#include <algorithm>
#include <deque>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/fixed_text.h"
#include "messenger/store/record_builder.h"
#include "messenger/transport/mailslot_poll.h"
#include "messenger/transport/plain_datagram.h"
#include "messenger/transport/writers.h"

namespace kivet {
namespace {

constexpr std::size_t kJoinedTextLength = sizeof(MessageRecord::text) - 1;

// Split messages collected at the same time in one pass. Each one holds at most a record and the
// text of a record and of one piece, so a flood of pieces from made-up senders cannot make the
// poll's memory grow without bound.
constexpr std::size_t kMostSplitMessages = 16;

// Which split message a piece belongs to: its sender, recipient and origin, normalised, so that a
// name arriving in another case still reaches the same message.
struct PieceKey {
    std::string sender;
    std::string recipient;
    std::string origin;

    bool operator==(const PieceKey& other) const
    {
        return sender == other.sender && recipient == other.recipient && origin == other.origin;
    }
};

// The pieces of one split message met during a poll, joined into the text of one record.
class SplitMessage {
public:
    explicit SplitMessage(PieceKey key) : key_(std::move(key)) {}

    const PieceKey& Key() const { return key_; }

    // A piece equal to the one before it came twice (over two adapters) and is joined once.
    void Add(const MessageRecord& record, std::string_view piece)
    {
        if (!started_ || piece != previousPiece_) {
            joined_.append(piece.substr(0, kJoinedTextLength - joined_.size()));
            previousPiece_ = std::string(piece);
        }
        started_ = true;
        last_ = record;
    }

    // Stores the record of the last piece with the joined text, without the duplicate test.
    void StoreJoined(MessageStore& store, ReceiveContext& context, bool logHistory) const
    {
        RecordFields fields;
        fields.receivedAt = FieldText(last_.receivedAt);
        fields.sender = FieldText(last_.sender);
        fields.recipient = FieldText(last_.recipient);
        fields.text = joined_;
        fields.originName = FieldText(last_.originName);
        const MessageRecord record = BuildRecord(fields);
        store.Append(record);
        if (logHistory) context.WriteIncomingHistory(record);
    }

private:
    PieceKey key_;
    bool started_ = false;
    std::string joined_;
    std::string previousPiece_;
    MessageRecord last_{};
};

// The split messages of one poll, oldest first. Pieces go to the message of their key; the
// messages are stored when the pass ends, or the oldest one earlier when too many are open.
class SplitCollector {
public:
    SplitCollector(MessageStore& store, ReceiveContext& context, bool logHistory)
        : store_(store), context_(context), logHistory_(logHistory)
    {
    }

    SplitCollector(const SplitCollector&) = delete;
    SplitCollector& operator=(const SplitCollector&) = delete;

    // A piece whose message is not open yet opens one; when the most are open already, the oldest
    // is stored at once to make room.
    void Add(PieceKey key, const MessageRecord& record, std::string_view piece)
    {
        auto message = std::find_if(messages_.begin(), messages_.end(),
                                    [&key](const SplitMessage& open) { return open.Key() == key; });
        if (message == messages_.end()) {
            if (messages_.size() == kMostSplitMessages) {
                messages_.front().StoreJoined(store_, context_, logHistory_);
                messages_.pop_front();
            }
            messages_.emplace_back(std::move(key));
            message = std::prev(messages_.end());
        }
        message->Add(record, piece);
    }

    // Stores every collected message in the order the messages began.
    void StoreAll()
    {
        for (const SplitMessage& message : messages_)
            message.StoreJoined(store_, context_, logHistory_);
        messages_.clear();
    }

private:
    MessageStore& store_;
    ReceiveContext& context_;
    bool logHistory_;
    std::deque<SplitMessage> messages_;
};

bool AddressedToWorkgroup(const TextCodec& codec, ReceiveContext& context, const PlainDatagram& datagram)
{
    const std::string recipient = codec.Upper(datagram.recipient);
    if (recipient == "*") return true;
    const std::string workgroup = context.LocalWorkgroup();
    return !workgroup.empty() && recipient == workgroup;
}

bool IsDiscarded(const TextCodec& codec, ReceiveContext& context, const ReceiveSettings& settings,
                 const PlainDatagram& datagram)
{
    if (settings.ignorWorkgroup && AddressedToWorkgroup(codec, context, datagram)) return true;
    return settings.activeIgnorList && context.InIgnoreList(NormaliseName(codec, datagram.sender));
}

MessageRecord BuildPlainRecord(const TextCodec& codec, ReceiveContext& context, const PlainDatagram& datagram)
{
    const std::string receivedAt = context.ReceivedAtNow();
    const std::string sender = NormaliseName(codec, datagram.sender);
    const std::string recipient = NormaliseName(codec, datagram.recipient);
    RecordFields fields;
    fields.receivedAt = receivedAt;
    fields.sender = sender;
    fields.recipient = recipient;
    fields.text = datagram.text;
    fields.originName = datagram.origin;
    return BuildRecord(fields);
}

void StoreSingle(MessageStore& store, ReceiveContext& context, const MessageRecord& record, bool logHistory)
{
    if (store.AppendPlain(record) && logHistory) context.WriteIncomingHistory(record);
}

// The computer an automatic answer goes to: the origin field of the program's own datagrams, the
// name service's answer for the others, or the adapter status of the sender's scanned computer.
std::optional<std::string> AnswerComputer(ReceiveContext& context, const PlainDatagram& datagram,
                                          std::string_view sender)
{
    if (datagram.datagramClass == 3) return datagram.origin;
    if (auto computer = context.ResolveName(sender)) return computer;
    return context.ConfirmByAdapterStatus(sender);
}

// An incoming auto-reply (flag 1 in classes 2 and 3) is never answered, so that two messengers in
// Auto-Reply mode do not answer each other for ever.
void AnswerAutomatically(MailslotWriter& writer, const TextCodec& codec, ReceiveContext& context,
                         const PlainDatagram& datagram, std::string_view sender)
{
    if (datagram.datagramClass >= 2 && datagram.flag == kPlainFlagAutoReply) return;
    if (sender.empty()) return;
    const std::optional<std::string> computer = AnswerComputer(context, datagram, sender);
    if (!computer) return;
    SendPlain(writer, codec, context, LocalSenderIdentity(context), sender, *computer, context.AutoReplyMessage(),
              kPlainFlagAutoReply);
}

void HandleDatagram(MailslotWriter& writer, const TextCodec& codec, ReceiveContext& context, MessageStore& store,
                    const ReceiveSettings& settings, SplitCollector& collector, const PlainDatagram& datagram)
{
    const MessageRecord record = BuildPlainRecord(codec, context, datagram);
    if (datagram.flag == kPlainFlagSplitPiece) {
        PieceKey key{NormaliseName(codec, datagram.sender), NormaliseName(codec, datagram.recipient),
                     NormaliseName(codec, datagram.origin)};
        collector.Add(std::move(key), record, datagram.text);
    } else {
        StoreSingle(store, context, record, settings.logHistory);
    }
    if (settings.autoReplyMode) AnswerAutomatically(writer, codec, context, datagram, FieldText(record.sender));
}

} // namespace

int PollPlain(MailslotReader& reader, MailslotWriter& writer, const TextCodec& codec, ReceiveContext& context,
              MessageStore& store)
{
    MailslotPass pass;
    if (!FirstDatagramWaiting(reader, pass)) return -1;
    const ReceiveSettings settings = context.Settings();
    SplitCollector collector(store, context, settings.logHistory);
    int result = 1;
    do {
        std::vector<uint8_t> bytes;
        if (!reader.Read(bytes)) {
            result = -1;
            break;
        }
        // The program's own datagrams are at most 369 bytes; anything longer is read whole and cut.
        if (bytes.size() > kPlainReadLimit) bytes.resize(kPlainReadLimit);
        const std::optional<PlainDatagram> datagram = ReadPlainDatagram(codec, bytes.data(), bytes.size());
        // A discarded datagram makes the pass report -1, but the pass goes on: a sender on the
        // Ignore List who keeps sending must not hold up everybody else's messages.
        if (datagram && IsDiscarded(codec, context, settings, *datagram))
            result = -1;
        else if (datagram)
            HandleDatagram(writer, codec, context, store, settings, collector, *datagram);
    } while (ContinuePass(reader, context, pass));
    collector.StoreAll();
    return result;
}

} // namespace kivet
