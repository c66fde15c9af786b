#include "messenger/transport/win32/receive_context_win32.h"

#include <windows.h>

#include <ctime>

#include "common/fixed_text.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/settings.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/program_state.h"
#include "messenger/runtime/win32/registry_store_win32.h"
#include "messenger/transport/win32/relay_state.h"
#include "messenger/lists/win32/process_lists.h"

namespace kivet {
namespace {

std::string NetworkName(const char (&field)[16])
{
    return std::string(FieldText(field));
}

} // namespace

ReceiveSettings Win32ReceiveContext::Settings()
{
    const kivet::Settings& s = ProcessSettings();
    return {s.IgnorWorkgroup != 0, s.ActiveIgnorList != 0, s.LogHistory != 0, InAutoReplyMode(),
            s.UseComputerName != 0};
}

std::string Win32ReceiveContext::LocalWorkgroup()
{
    return Program().network ? NetworkName(Program().network->workgroupName) : std::string();
}

std::string Win32ReceiveContext::LocalComputer()
{
    return Program().network ? NetworkName(Program().network->computerName) : std::string();
}

std::string Win32ReceiveContext::LocalUser()
{
    return Program().network ? NetworkName(Program().network->userName) : std::string();
}

bool Win32ReceiveContext::InIgnoreList(std::string_view sender)
{
    return ProcessLists().ignore.Contains(sender);
}

bool Win32ReceiveContext::IsMemberOfGroup(std::string_view group)
{
    return ProcessLists().networkGroups.Contains(group) || RelayServerGroups().Contains(group);
}

std::string Win32ReceiveContext::AutoReplyMessage()
{
    return ProcessAutoReplyMode().Text();
}

std::string Win32ReceiveContext::ReceivedAtNow()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    const char* format = Text(151);
    char buf[50] = {};
    std::strftime(buf, sizeof buf, *format ? format : "%d %B %Y %H:%M:%S", &local);
    return buf;
}

// Name look-ups over NetBIOS arrive with the sending path and the network browser; until then a
// three-field sender cannot be answered automatically.
std::optional<std::string> Win32ReceiveContext::ResolveName(std::string_view)
{
    return std::nullopt;
}
std::optional<std::string> Win32ReceiveContext::ConfirmByAdapterStatus(std::string_view)
{
    return std::nullopt;
}

// Messages reach the HTML history through the program's HistoryLog (RecordIncoming and
// RecordOutgoing) once it is handed to the receivers.
void Win32ReceiveContext::WriteIncomingHistory(const MessageRecord&) {}

void Win32ReceiveContext::WriteOutgoingHistory(std::string_view, std::string_view) {}

void Win32ReceiveContext::Pause(unsigned milliseconds)
{
    Sleep(milliseconds);
}

} // namespace kivet
