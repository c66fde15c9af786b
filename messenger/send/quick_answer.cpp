#include "messenger/send/quick_answer.h"

#include <optional>

#include "messenger/lists/list_entry.h"
#include "messenger/send/recipient_list.h"
#include "messenger/send/recipient_resolution.h"
#include "messenger/transport/mailslot_target.h"
#include "messenger/transport/writers.h"

namespace kivet {

QuickAnswerRoute ChooseQuickAnswerRoute(bool storeEmpty, bool silentAnswers)
{
    if (storeEmpty) return QuickAnswerRoute::OpenWithTextOnly;
    return silentAnswers ? QuickAnswerRoute::SendSilently : QuickAnswerRoute::OpenWithSender;
}

namespace {

std::optional<PlainDelivery> FindDelivery(const std::string& name, SilentAnswerServices& s)
{
    ResolutionRecord record;
    if (ResolveRecipient(s.directory, name, record)) return PlainDeliveryFor(name, record);
    if (s.hostKnown && s.hostKnown(name)) return PlainDelivery{name, name};
    return std::nullopt;
}

} // namespace

SilentAnswerResult SendQuickAnswerSilently(std::string_view sender, std::string_view answer,
                                           SilentAnswerServices& services)
{
    const std::string name = CutRecipientEntry(QuickAddName(sender));
    if (name.empty() || !IsMailslotTarget(name, Broadcast::Refused)) return SilentAnswerResult::NotFound;
    const std::optional<PlainDelivery> delivery = FindDelivery(name, services);
    if (!delivery) return SilentAnswerResult::NotFound;
    const SenderIdentity identity = LocalSenderIdentity(services.context);
    const std::string_view text = answer.substr(0, kSendTextChars);
    if (!SendPlain(services.writer, services.codec, services.context, identity, delivery->target, delivery->computer,
                   text, 0))
        return SilentAnswerResult::NotFound;
    return SilentAnswerResult::Sent;
}

} // namespace kivet
