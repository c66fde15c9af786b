#include "messenger/send/recipient_resolution.h"

#include "common/fixed_text.h"
#include "messenger/transport/mailslot_target.h"
#include "messenger/send/recipient_list.h"

namespace kivet {
namespace {

std::string_view WithoutTrailingBlanks(std::string_view name)
{
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    return name;
}

} // namespace

bool ResolveRecipient(NetworkDirectory& directory, std::string_view name, ResolutionRecord& record)
{
    record = ResolutionRecord{};
    if (directory.ResolveName(name, ResolveService::Messenger, record)) return true;

    std::string computer;
    if (!directory.FindScanned(name, computer) || computer.empty()) return false;
    record = ResolutionRecord{};
    if (!directory.AdapterStatus(computer, record)) return false;
    if (FieldText(record.computerName).empty()) CopyCut(record.computerName, computer);
    return true;
}

std::optional<PlainDelivery> PlainDeliveryFor(std::string_view entry, const ResolutionRecord& record)
{
    PlainDelivery delivery;
    delivery.computer = std::string(WithoutTrailingBlanks(FieldText(record.computerName)));
    delivery.target = IsAddress(entry) ? delivery.computer : std::string(entry);
    if (!IsMailslotTarget(delivery.computer, Broadcast::Refused) || !IsMailslotTarget(delivery.target, Broadcast::Refused)) return std::nullopt;
    return delivery;
}

} // namespace kivet
