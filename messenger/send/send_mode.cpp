#include "messenger/send/send_mode.h"

#include "messenger/transport/mailslot_target.h"
#include "messenger/send/recipient_kind.h"
#include "messenger/send/recipient_list.h"
#include "messenger/send/recipient_resolution.h"
#include "messenger/transport/group_datagram.h"
#include "messenger/transport/writers.h"

namespace kivet {
namespace {

class SendModeRun {
public:
    SendModeRun(std::string_view text, SendModeServices& services)
        : text_(text.substr(0, kSendTextChars)), s_(services), identity_(LocalSenderIdentity(services.context))
    {
    }

    void SendTo(const std::string& entry)
    {
        if (IsDomain(entry, s_.directory, s_.codec))
            SendToDomain(entry);
        else if (entry.front() == '@')
            SendToNetworkGroup(entry);
        else if (entry.front() == '#')
            SendToMyGroup(entry);
        else
            SendToName(entry);
    }

private:
    void SendPlainTo(std::string_view target, std::string_view recipient)
    {
        if (!IsMailslotTarget(target, Broadcast::Refused)) return;
        SendPlain(s_.writer, s_.codec, s_.context, identity_, target, recipient, text_, 0);
    }

    void SendToDomain(const std::string& entry) { SendPlainTo(entry, entry); }

    void SendToNetworkGroup(const std::string& entry)
    {
        if (!s_.lists.InNetworkGroups(entry)) return;
        GroupSendHistory history(s_.context);
        SendGroup(s_.writer, s_.codec, identity_, kGroupMessage, entry, kPrimaryDomainTarget, text_, &history);
    }

    void SendToMyGroup(const std::string& entry)
    {
        std::vector<std::string> members;
        if (!s_.lists.FindMyGroup(entry, members)) return;
        for (const std::string& member : members)
            SendToName(CutRecipientEntry(s_.codec.Upper(member)));
    }

    void SendToName(const std::string& name)
    {
        if (!IsMailslotTarget(name, Broadcast::Refused)) return;
        ResolutionRecord record;
        if (!ResolveRecipient(s_.directory, name, record)) return;
        const std::optional<PlainDelivery> delivery = PlainDeliveryFor(name, record);
        if (delivery) SendPlainTo(delivery->target, delivery->computer);
    }

    std::string_view text_;
    SendModeServices& s_;
    SenderIdentity identity_;
};

} // namespace

void RunSendMode(const std::vector<std::string>& recipients, std::string_view text, SendModeServices& services)
{
    SendModeRun run(text, services);
    for (const std::string& recipient : recipients) {
        const std::string entry = CutRecipientEntry(services.codec.Upper(recipient));
        if (!entry.empty()) run.SendTo(entry);
    }
}

} // namespace kivet
