#include "messenger/runtime/shutdown.h"

#include "messenger/messages.h"
#include "messenger/runtime/action_log.h"
#include "messenger/resources/resource.h"

namespace kivet {
namespace {

BoxSpec QuitQuestion(ShutdownHost& host)
{
    return {host.Text(IDS_EXIT_QUESTION), host.Text(IDS_EXIT_CAPTION), BoxButtons::YesNo, BoxIcon::Exclamation};
}

BoxSpec UnreadQuestion(ShutdownHost& host)
{
    return {host.Text(IDS_DELETE_UNREAD_QUESTION), host.Text(IDS_DELETING_CAPTION), BoxButtons::YesNo,
            BoxIcon::Information};
}

void KillTimers(ShutdownHost& host, const ShutdownState& state, ActionWriter& log)
{
    log.Write("Kill timers...");
    host.KillTimer(kTimerPlainPoll);
    host.KillTimer(kTimerGroupPoll);
    host.KillTimer(kTimerAutoScan);
    if (state.autoReplyMode) host.KillTimer(kTimerAutoReplyPoll);
    if (state.trayBlinking) {
        host.KillTimer(kTimerTrayBlink);
        host.StopTrayBlinking();
    }
    if (state.scrollLockBlinking) {
        host.KillTimer(kTimerScrollLock);
        host.StopScrollLockBlinking();
    }
    log.Write("Kill timers complete.");
}

} // namespace

bool RunShutdownSequence(ShutdownHost& host, const ShutdownState& state, ActionWriter& log)
{
    if (!host.MarkShuttingDown()) return false;
    host.RemoveTrayIcon();
    host.ReleaseViewObjects();
    host.DestroyChildWindows();
    host.EndMainDialog();

    KillTimers(host, state, log);

    log.Write("Terminate threads...");
    host.TerminateScanThread();
    host.CloseWorkerAndMailslotHandles();
    log.Write("Terminate threads complete.");

    host.DestroyNetworkState();

    log.Write("Release GDI resources...");
    host.ReleaseGdiResources();
    log.Write("Release GDI resources complete.");

    log.Write("Save preferences to INI file...");
    host.SaveSettings();
    log.Write("Save preferences to INI file complete.");

    host.RemoveContextMenuVerb();
    log.Write("Exit process.");

    if (state.useHotkey) host.UnregisterHotkey();
    if (state.acceptFiles) host.StopTransferServer();
    return true;
}

bool RunExitCommand(ShutdownHost& host, ActionWriter& log)
{
    log.Write("Processing Exit command...");
    if (host.ShowBox(QuitQuestion(host)) != BoxAnswer::Yes) return false;
    if (host.UnreadMessageCount() > 0) {
        if (host.ShowBox(UnreadQuestion(host)) != BoxAnswer::Yes) {
            host.RestoreMainWindow();
            return false;
        }
        host.EmptyMessageStore();
    }
    // The session may have ended while the questions were open; the sequence then ran already.
    if (!RunShutdownSequence(host, host.State(), log)) return false;
    host.PostQuit();
    return true;
}

} // namespace kivet
