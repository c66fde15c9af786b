// A My Group: every member in list order, each outcome a row of the group's results.
#include "messenger/send/send_operation.h"

#include "messenger/send/recipient_kind.h"
#include "messenger/send/recipient_list.h"
#include "messenger/send/send_boxes.h"

namespace kivet {

EntryOutcome SendOperation::SendToMyGroup(const std::string& entry)
{
    std::vector<std::string> members;
    if (!s_.lists.FindMyGroup(entry, members)) {
        if (multiRecipient_)
            s_.results.Add(entry, kStatusInvalidName);
        else
            s_.prompts.Show(NoSuchMyGroupBox(s_.texts, entry));
        return EntryOutcome::NotDelivered;
    }
    for (const std::string& raw : members) {
        const std::string member = CutRecipientEntry(raw);
        if (member.empty()) continue;
        if (SendToMember(member) == EntryOutcome::StopSending) return EntryOutcome::StopSending;
    }
    if (!multiRecipient_) ShowResults(ResultsSubject{false, entry});
    return EntryOutcome::Delivered;
}

EntryOutcome SendOperation::SendToMember(const std::string& member)
{
    if (member.front() == '@') return SendToNetworkGroup(member, GroupUse::Member);
    if (IsLocal(member, s_.directory, s_.codec)) return SendToLocal(member, Report::Table);
    return SendToIndividual(member, Report::Table);
}

} // namespace kivet
