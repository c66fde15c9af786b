#include "messenger/send/send_operation.h"

#include "messenger/transport/mailslot_target.h"
#include "messenger/send/recipient_kind.h"
#include "messenger/send/recipient_list.h"
#include "messenger/send/send_boxes.h"
#include "messenger/transport/writers.h"

namespace kivet {

int RunSendingThread(const SendRequest& request, SendServices& services)
{
    SendOperation operation(request, services);
    return operation.Run();
}

SendOperation::SendOperation(const SendRequest& request, SendServices& services)
    : request_(request), s_(services), settings_(request.settings),
      text_(std::string_view(request.text).substr(0, kSendTextChars))
{
}

int SendOperation::Run()
{
    const RecipientList list = ParseRecipientList(request_.recipients);
    multiRecipient_ = list.multiRecipient;
    s_.results.Clear();
    for (const std::string& entry : list.entries) {
        const EntryOutcome outcome = SendEntry(entry);
        if (outcome == EntryOutcome::Delivered) delivered_.push_back(entry);
        if (outcome == EntryOutcome::EndedAfterDomain) return EndAfterDomain();
        if (outcome == EntryOutcome::StopSending) break;
    }
    CommonEnd();
    return 0;
}

EntryOutcome SendOperation::SendEntry(const std::string& entry)
{
    switch (ClassifyRecipient(entry, s_.directory, s_.codec)) {
    case RecipientKind::NetworkGroup: return SendToNetworkGroup(entry, GroupUse::Entry);
    case RecipientKind::MyGroup: return SendToMyGroup(entry);
    case RecipientKind::Domain: return SendToDomain(entry);
    case RecipientKind::Local: return SendToLocal(entry, EntryReport());
    case RecipientKind::Individual: return SendToIndividual(entry, EntryReport());
    }
    return EntryOutcome::NotDelivered;
}

bool SendOperation::SendPlainTo(std::string_view target, std::string_view recipient)
{
    if (!IsMailslotTarget(target, Broadcast::Refused)) return false;
    return SendPlain(s_.writer, s_.codec, s_.context, LocalSenderIdentity(s_.context), target, recipient, text_, 0);
}

std::string SendOperation::Shown(std::string_view name) const
{
    return NormaliseName(s_.codec, name);
}

// The whole domain gets the message. A single domain ends the operation with the dialog closed;
// in a list it is one entry among others and adds no row. A domain that could not be written to
// is reported like a name that is not there, and the dialog stays open with the message.
EntryOutcome SendOperation::SendToDomain(const std::string& entry)
{
    const bool sent = SendPlainTo(entry, entry);
    if (multiRecipient_) {
        if (!sent) s_.results.Add(entry, kStatusNotFound);
        return sent ? EntryOutcome::Delivered : EntryOutcome::NotDelivered;
    }
    if (!sent) {
        s_.prompts.Show(NameNotFoundBox(s_.texts, Shown(entry)));
        return EntryOutcome::NotDelivered;
    }
    if (settings_.notifyForMsgSending) s_.prompts.Show(DomainSentBox(s_.texts, entry));
    return EntryOutcome::EndedAfterDomain;
}

// This computer or its user: the datagram goes to the local computer's mailslot. The success
// message of a single recipient is shown whatever the notification setting says.
EntryOutcome SendOperation::SendToLocal(const std::string& entry, Report report)
{
    const std::string computer = s_.directory.LocalComputer();
    const std::string user = s_.directory.LocalUser();
    if (!SendPlainTo(computer, computer)) {
        ReportNotFound(entry, report, false);
        return EntryOutcome::NotDelivered;
    }
    if (report == Report::Table)
        s_.results.Add(user, computer);
    else
        s_.prompts.Show(UserSentBox(s_.texts, Shown(user), Shown(computer)));
    return EntryOutcome::Delivered;
}

int SendOperation::EndAfterDomain()
{
    s_.dialog.CloseSendDialog();
    s_.log.Write("Sending message complete.");
    s_.dialog.UpdateStatusBar();
    return kSendEndedAfterDomain;
}

void SendOperation::ShowResults(const ResultsSubject& subject)
{
    s_.prompts.ShowResults(BuildResultsView(s_.results.Entries(), subject, s_.texts, s_.codec));
    s_.results.Clear();
}

void SendOperation::AddDeliveredToQuickList()
{
    for (const std::string& entry : delivered_)
        s_.lists.AddToQuickList(s_.codec.Upper(entry));
}

// The dialog closes after sending only when something was delivered, so that a message that
// reached nobody is still there to send again.
void SendOperation::CommonEnd()
{
    if (multiRecipient_) ShowResults(ResultsSubject{true, {}});
    if (settings_.addUser) AddDeliveredToQuickList();
    if (settings_.closeWindowAfterSending && !delivered_.empty())
        s_.dialog.CloseSendDialog();
    else
        s_.dialog.ReadyForNextMessage();
    s_.log.Write("Sending message complete.");
    s_.dialog.UpdateStatusBar();
}

} // namespace kivet
