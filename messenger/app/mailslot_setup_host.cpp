#include "messenger/app/mailslot_setup_host.h"

#include "messenger/app/relay_names.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/os_family.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/message_box_win32.h"
#include "messenger/transport/win32/mailslots.h"
#include "messenger/transport/win32/messenger_service.h"

namespace kivet {
namespace {

std::string_view PathOf(MailslotKind kind)
{
    switch (kind) {
    case MailslotKind::Plain: return kPlainMailslot;
    case MailslotKind::Group: return kGroupMailslot;
    case MailslotKind::AutoReply: return kAutoReplyMailslot;
    case MailslotKind::RelayClient: return kRelayClientMailslot;
    }
    return kPlainMailslot;
}

HANDLE& HandleOf(MailslotHandles& m, MailslotKind kind)
{
    switch (kind) {
    case MailslotKind::Plain: return m.plain;
    case MailslotKind::Group: return m.group;
    case MailslotKind::AutoReply: return m.autoReply;
    case MailslotKind::RelayClient: return m.relayClient;
    }
    return m.plain;
}

} // namespace

bool Win32MailslotSetupHost::CreateMailslot(MailslotKind kind)
{
    HANDLE& handle = HandleOf(app_.mailslots, kind);
    if (handle != INVALID_HANDLE_VALUE) return true;
    handle = CreateProgramMailslot(PathOf(kind));
    return handle != INVALID_HANDLE_VALUE;
}

bool Win32MailslotSetupHost::IsMessengerServiceRunning()
{
    return kivet::IsMessengerServiceRunning();
}
void Win32MailslotSetupHost::StopMessengerService()
{
    kivet::StopMessengerService();
}
void Win32MailslotSetupHost::Sleep(unsigned milliseconds)
{
    ::Sleep(milliseconds);
}

BoxAnswer Win32MailslotSetupHost::AskOwnedByMainWindow(const BoxSpec& box)
{
    return ShowMessageBox(mainDialog_, box);
}

void Win32MailslotSetupHost::ShowOwnedByFrame(const BoxSpec& box)
{
    ShowMessageBox(app_.frame, box);
}

const char* Win32MailslotSetupHost::Text(unsigned id)
{
    return kivet::Text(id);
}

void Win32MailslotSetupHost::RequestRelayGroupList()
{
    RelayNames names = CurrentRelayNames(app_);
    RequestGroupList(app_.Writer(), names.server, names.user, names.computer);
    app_.relay.minutes.OnStartup();
}

void Win32MailslotSetupHost::RequestRelayOfflineMessages()
{
    RelayNames names = CurrentRelayNames(app_);
    RequestOfflineMessages(app_.Writer(), names.server, names.user, names.computer);
}

bool CreateProgramMailslots(Application& app, HWND mainDialog)
{
    Win32MailslotSetupHost host(app, mainDialog);
    MailslotSetupOptions options{CurrentOsFamily(), app.settings.UseServer != 0};
    return CreateMailslots(host, options, ProcessActionLog()) == MailslotSetupResult::Ready;
}

void CloseProgramMailslots(Application& app)
{
    for (MailslotKind kind :
         {MailslotKind::Group, MailslotKind::Plain, MailslotKind::AutoReply, MailslotKind::RelayClient}) {
        HANDLE& handle = HandleOf(app.mailslots, kind);
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }
}

} // namespace kivet
