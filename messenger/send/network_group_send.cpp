// A Network Group: one group datagram to every known domain (or to the primary domain) or to
// every known computer, then five seconds of collecting receipts.
#include "messenger/send/send_operation.h"

#include "common/fixed_text.h"
#include "messenger/transport/mailslot_target.h"
#include "messenger/send/send_boxes.h"
#include "messenger/transport/group_datagram.h"
#include "messenger/transport/writers.h"

namespace kivet {
namespace {

constexpr std::size_t kGroupTextLimit = 300;
constexpr int kReceiptPolls = 50;
constexpr unsigned kReceiptPollPauseMs = 100;

} // namespace

// Group names travel upper-cased, as the lists hold them and the receivers compare them.
EntryOutcome SendOperation::SendToNetworkGroup(const std::string& entry, GroupUse use)
{
    const std::string group = s_.codec.Upper(entry);
    if (!MaySendToGroup(group)) {
        if (multiRecipient_ || use == GroupUse::Member)
            s_.results.Add(entry, kStatusNoPermission);
        else
            s_.prompts.Show(NoGroupPermissionBox(s_.texts, entry));
        return EntryOutcome::NotDelivered;
    }
    // A group datagram holds 300 characters; a longer text would arrive cut.
    if (text_.size() > kGroupTextLimit) {
        if (!multiRecipient_) s_.prompts.Show(GroupTextTooLongBox(s_.texts));
        return EntryOutcome::NotDelivered;
    }
    WriteGroupDatagrams(group);
    CollectReceipts();
    s_.receiptPoll.RefreshMessageView();
    if (use == GroupUse::Entry && !multiRecipient_) ShowResults(ResultsSubject{false, entry});
    return EntryOutcome::Delivered;
}

// Members of the group, the relay server's groups of the user, and the presence probe.
bool SendOperation::MaySendToGroup(const std::string& group)
{
    return group == kPresenceProbeGroup || s_.lists.InNetworkGroups(group) || s_.lists.InServerGroups(group);
}

void SendOperation::WriteGroupDatagrams(const std::string& group)
{
    if (settings_.useBroadcast)
        WriteToDomains(group);
    else
        WriteToComputers(group);
}

// One datagram per domain of the last retrieval, addressed to the domain; the primary domain
// ("*") when none is known.
void SendOperation::WriteToDomains(const std::string& group)
{
    GroupSendHistory history(s_.context);
    const SenderIdentity identity = LocalSenderIdentity(s_.context);
    bool any = false;
    for (const std::string& domain : s_.directory.KnownDomains()) {
        if (!IsMailslotTarget(domain, Broadcast::Refused)) continue;
        any = true;
        SendGroup(s_.writer, s_.codec, identity, kGroupMessage, group, domain, text_, &history);
    }
    if (!any)
        SendGroup(s_.writer, s_.codec, identity, kGroupMessage, group, kPrimaryDomainTarget, text_, &history);
}

// One datagram per known computer (retrieved first when none is known), in list order, until a
// computer's mailslot cannot be opened.
void SendOperation::WriteToComputers(const std::string& group)
{
    GroupSendHistory history(s_.context);
    const SenderIdentity identity = LocalSenderIdentity(s_.context);
    std::vector<std::string> computers = s_.directory.KnownComputers();
    if (computers.empty()) {
        s_.directory.RetrieveComputers();
        computers = s_.directory.KnownComputers();
    }
    for (const std::string& computer : computers) {
        if (!IsMailslotTarget(computer, Broadcast::Refused)) continue;
        if (!SendGroup(s_.writer, s_.codec, identity, kGroupMessage, group, computer, text_, &history)) break;
    }
}

// About five seconds of group polls; a message stored meanwhile is announced as on arrival.
void SendOperation::CollectReceipts()
{
    for (int i = 0; i < kReceiptPolls; ++i) {
        if (s_.receiptPoll.PollOnce()) {
            if (settings_.playSoundOnReceive) s_.receiptPoll.PlayIncomingSound();
            if (settings_.jumpToLastMsg) s_.receiptPoll.MakeNewestCurrent();
        }
        s_.receiptPoll.Wait(kReceiptPollPauseMs);
    }
}

} // namespace kivet
