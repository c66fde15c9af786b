#include "messenger/transport/mailslot_setup.h"

#include "messenger/runtime/action_log.h"
#include "messenger/resources/resource.h"

namespace kivet {
namespace {

BoxSpec MailboxTakenBox(MailslotSetupHost& host)
{
    return {host.Text(IDS_MAILBOX_IN_USE), host.Text(IDS_INITIALIZING), BoxButtons::Ok, BoxIcon::Stop};
}

BoxSpec ServiceQuestion(MailslotSetupHost& host)
{
    return {host.Text(IDS_MESSENGER_SERVICE_RUNNING), host.Text(IDS_INITIALIZING), BoxButtons::YesNo,
            BoxIcon::Question};
}

// The Messenger service holds the mailslot: ask, stop and disable it, wait and try again.
bool TakeOverFromMessengerService(MailslotSetupHost& host, ActionWriter& log)
{
    if (host.AskOwnedByMainWindow(ServiceQuestion(host)) != BoxAnswer::Yes) return false;
    log.Write("Shutdown Messenger Service...");
    host.StopMessengerService();
    host.Sleep(3000);
    host.CreateMailslot(MailslotKind::Plain); // the program goes on whatever the result
    log.Write("Shutdown Messenger Service complete.");
    return true;
}

// Returns false when the process must end.
bool CreatePlainMailslot(MailslotSetupHost& host, const MailslotSetupOptions& options, ActionWriter& log)
{
    if (host.CreateMailslot(MailslotKind::Plain)) return true;
    if (!IsNtFamily(options.osFamily)) {
        host.AskOwnedByMainWindow(MailboxTakenBox(host));
        return false;
    }
    if (host.IsMessengerServiceRunning()) return TakeOverFromMessengerService(host, log);
    host.ShowOwnedByFrame(MailboxTakenBox(host));
    return true;
}

} // namespace

bool IsNtFamily(OsFamily family)
{
    return family == kOsWinNT4 || family == kOsWin2000 || family == kOsWinXP;
}

MailslotSetupResult CreateMailslots(MailslotSetupHost& host, const MailslotSetupOptions& options, ActionWriter& log)
{
    log.Write("Create mailbox....");
    if (!CreatePlainMailslot(host, options, log)) return MailslotSetupResult::ExitProcess;
    log.Write("Create mailbox complete.");

    log.Write("Create Group maiboxes...");
    if (!host.CreateMailslot(MailslotKind::Group) || !host.CreateMailslot(MailslotKind::AutoReply))
        return MailslotSetupResult::ExitProcess;
    if (host.CreateMailslot(MailslotKind::RelayClient) && options.useServer) host.RequestRelayGroupList();
    if (options.useServer) host.RequestRelayOfflineMessages();
    log.Write("Create Group maiboxes complete.");
    return MailslotSetupResult::Ready;
}

} // namespace kivet
