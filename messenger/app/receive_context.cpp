#include "messenger/app/receive_context.h"

#include <ctime>

#include "common/fixed_text.h"
#include "messenger/runtime/text_table.h"
#include "messenger/resources/resource.h"

namespace kivet {
namespace {

std::string NetworkName(const char (&field)[16])
{
    return std::string(FieldText(field));
}

} // namespace

ReceiveSettings ProgramReceiveContext::Settings()
{
    const kivet::Settings& s = app_.settings;
    return {s.IgnorWorkgroup != 0, s.ActiveIgnorList != 0, s.LogHistory != 0, app_.InAutoReplyMode(),
            s.UseComputerName != 0};
}

std::string ProgramReceiveContext::LocalWorkgroup()
{
    return NetworkName(app_.Identity().workgroupName);
}

std::string ProgramReceiveContext::LocalComputer()
{
    return NetworkName(app_.Identity().computerName);
}

std::string ProgramReceiveContext::LocalUser()
{
    return NetworkName(app_.Identity().userName);
}

bool ProgramReceiveContext::InIgnoreList(std::string_view sender)
{
    return app_.lists && app_.lists->lists.ignore.Contains(sender);
}

bool ProgramReceiveContext::IsMemberOfGroup(std::string_view group)
{
    return (app_.lists && app_.lists->lists.networkGroups.Contains(group)) || app_.relay.serverGroups.Contains(group);
}

std::string ProgramReceiveContext::AutoReplyMessage()
{
    return app_.lists ? app_.lists->autoReply.Text() : std::string();
}

std::string ProgramReceiveContext::ReceivedAtNow()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    const char* format = Text(IDS_RECEIVED_AT_FORMAT);
    char buf[50] = {};
    std::strftime(buf, sizeof buf, *format ? format : "%d %B %Y %H:%M:%S", &local);
    return buf;
}

std::optional<std::string> ProgramReceiveContext::ResolveName(std::string_view name)
{
    return app_.browser ? app_.browser->ResolvedComputer(name) : std::nullopt;
}

std::optional<std::string> ProgramReceiveContext::ConfirmByAdapterStatus(std::string_view sender)
{
    return app_.browser ? app_.browser->ConfirmByAdapterStatus(sender) : std::nullopt;
}

void ProgramReceiveContext::WriteIncomingHistory(const MessageRecord& record)
{
    if (app_.history) app_.history->RecordIncoming(record);
}

void ProgramReceiveContext::WriteOutgoingHistory(std::string_view recipient, std::string_view text)
{
    if (app_.history) app_.history->RecordOutgoing(recipient, text);
}

void ProgramReceiveContext::Pause(unsigned milliseconds)
{
    Sleep(milliseconds);
}

} // namespace kivet
