// A computer or user somewhere on the network: resolved, then sent enciphered when the secure
// exchange works, otherwise as a plain datagram (after the user agreed, for a single recipient).
#include "messenger/send/send_operation.h"

#include "common/fixed_text.h"
#include "messenger/transport/mailslot_target.h"
#include "messenger/send/recipient_list.h"
#include "messenger/send/recipient_resolution.h"
#include "messenger/send/send_boxes.h"
#include "messenger/transport/relay_client.h"
#include "messenger/transport/writers.h"

namespace kivet {

EntryOutcome SendOperation::SendToIndividual(const std::string& entry, Report report)
{
    // A name that could not stand in a mailslot path is not asked for on the network either.
    if (!IsMailslotTarget(entry, Broadcast::Refused)) {
        ReportNotFound(entry, report, false);
        return EntryOutcome::NotDelivered;
    }
    ResolutionRecord record;
    const bool found = ResolveRecipient(s_.directory, entry, record);
    const std::optional<PlainDelivery> delivery = found ? PlainDeliveryFor(entry, record) : std::nullopt;
    if (!delivery) {
        ReportNotFound(entry, report, true);
        return EntryOutcome::NotDelivered;
    }
    switch (ChooseWay(delivery->computer)) {
    case Way::Enciphered: break;
    case Way::Plain:
        // A datagram the system did not take reached nobody: told as for an absent name.
        if (!SendPlainTo(delivery->target, delivery->computer)) {
            ReportNotFound(entry, report, true);
            return EntryOutcome::NotDelivered;
        }
        break;
    case Way::Skip: return EntryOutcome::NotDelivered;
    case Way::StopSending: return EntryOutcome::StopSending;
    }
    ReportDelivered(entry, record, report);
    return EntryOutcome::Delivered;
}

Way SendOperation::ChooseWay(std::string_view computer)
{
    switch (s_.secure.Send(computer, text_)) {
    case SecureResult::Sent: return Way::Enciphered;
    case SecureResult::Failed: return AfterSecureFailure();
    case SecureResult::NoSecureMessenger: return AfterNoSecureMessenger();
    }
    return AfterSecureFailure();
}

// The exchange started but no key was agreed. A single recipient is asked; No ends the send.
Way SendOperation::AfterSecureFailure()
{
    if (multiRecipient_) return Way::Plain;
    const BoxAnswer answer = s_.prompts.Show(SecureSendFailedBox(s_.texts));
    return answer == BoxAnswer::Yes ? Way::Plain : Way::StopSending;
}

// The computer runs no secure messenger. A single recipient is asked unless the user said not
// to ask again; anything but Yes passes over this recipient.
Way SendOperation::AfterNoSecureMessenger()
{
    if (multiRecipient_ || s_.consent.Given()) return Way::Plain;
    const NonSecureChoice choice = s_.prompts.AskSendNonSecure();
    if (!choice.sendPlain) return Way::Skip;
    s_.consent.Set(choice.doNotShowAgain);
    return Way::Plain;
}

// The user of a delivered message: the entry itself when it names a user, otherwise the user the
// computer reported as logged on.
void SendOperation::ReportDelivered(const std::string& entry, const ResolutionRecord& record, Report report)
{
    if (report == Report::Boxes) {
        ShowDelivered(entry, record);
        return;
    }
    const std::string_view computer = FieldText(record.computerName);
    const bool namesUser = !IsAddress(entry) && s_.codec.Upper(entry) != s_.codec.Upper(computer);
    s_.results.Add(namesUser ? std::string_view(entry) : FieldText(record.userName), computer);
}

void SendOperation::ShowDelivered(const std::string& entry, const ResolutionRecord& record)
{
    if (!settings_.notifyForMsgSending) return;
    const std::string computer(FieldText(record.computerName));
    const std::string user(FieldText(record.userName));
    if (IsAddress(entry)) {
        s_.prompts.Show(ComputerUserSentBox(s_.texts, entry, Shown(user)));
    } else if (s_.codec.Upper(entry) == s_.codec.Upper(computer)) {
        s_.prompts.Show(user.empty() ? ComputerSentBox(s_.texts, Shown(computer))
                                     : ComputerUserSentBox(s_.texts, Shown(computer), Shown(user)));
    } else {
        s_.prompts.Show(UserSentBox(s_.texts, Shown(entry), Shown(computer)));
    }
}

// A single recipient with the relay server in use is offered to store the message there.
void SendOperation::ReportNotFound(const std::string& entry, Report report, bool offerRelay)
{
    if (report == Report::Table) {
        s_.results.Add(entry, kStatusNotFound);
        return;
    }
    if (!offerRelay || !settings_.useServer) {
        s_.prompts.Show(NameNotFoundBox(s_.texts, Shown(entry)));
        return;
    }
    if (s_.prompts.Show(OfferRelayStoreBox(s_.texts, Shown(entry))) == BoxAnswer::Yes) StoreOnRelayServer(entry);
}

void SendOperation::StoreOnRelayServer(const std::string& entry)
{
    if (!IsMailslotTarget(settings_.serverName, Broadcast::Refused)) return;
    const SenderIdentity identity = LocalSenderIdentity(s_.context);
    StoreOffline(s_.writer, settings_.serverName, Shown(identity.senderName), entry, text_);
}

} // namespace kivet
