#include "messenger/app/receive_timers.h"

#include "common/win32/win32_codec.h"
#include "messenger/app/receive_context.h"
#include "messenger/app/relay_names.h"
#include "messenger/mainwindow/win32/main_view.h"
#include "messenger/mainwindow/win32/new_message_alerts.h"
#include "messenger/messages.h"
#include "messenger/runtime/action_log.h"
#include "messenger/transport/poll_auto_reply.h"
#include "messenger/transport/poll_group.h"
#include "messenger/transport/poll_plain.h"
#include "messenger/transport/win32/mailslots.h"

namespace kivet {
namespace {

constexpr UINT kPollPeriodMs = 3000;
constexpr UINT kMinuteMs = 60000;

// A pass is announced only when it stored something: a pass that read only duplicates says
// nothing, and one that also passed over an ignored datagram still announces what it stored.
bool StoredMore(const Application& app, int32_t totalBefore)
{
    return app.store.Counts().total > totalBefore;
}

void Announce(MainWindow& window, const char* what)
{
    WriteAction(what);
    NotifyNewMessage(window);
    WriteAction(std::string(what) + " Complete.");
}

void OnPlainTimer(Application& app)
{
    ProgramReceiveContext context(app);
    MailslotWriter& writer = app.Writer();
    if (app.settings.UseServer) {
        Win32MailslotReader relay(app.mailslots.relayClient);
        ReadGroupLists(relay, app.relay.serverGroups, SystemCodec());
    }
    Win32MailslotReader reader(app.mailslots.plain);
    const int32_t before = app.store.Counts().total;
    PollPlain(reader, writer, SystemCodec(), context, app.store);
    if (!StoredMore(app, before)) return;
    StartBlinkingForUnread(*app.mainWindow);
    Announce(*app.mainWindow, "New common message has been received.");
}

void OnGroupTimer(Application& app)
{
    ProgramReceiveContext context(app);
    MailslotWriter& writer = app.Writer();
    Win32MailslotReader reader(app.mailslots.group);
    const int32_t before = app.store.Counts().total;
    PollGroup(reader, writer, SystemCodec(), context, app.store, app.receipts);
    if (!StoredMore(app, before)) return;
    StartBlinkingForUnread(*app.mainWindow);
    Announce(*app.mainWindow, "New group message has been received.");
}

// Auto-Reply mode: requests for this user's Auto-Reply message are answered on the way.
void OnAutoReplyTimer(Application& app)
{
    ProgramReceiveContext context(app);
    MailslotWriter& writer = app.Writer();
    Win32MailslotReader reader(app.mailslots.autoReply);
    AutoReplyFields answer;
    PollAutoReply(reader, writer, SystemCodec(), context, answer);
}

std::vector<std::string> QuickListNames(const Application& app)
{
    return app.lists ? app.lists->lists.quick.Entries() : std::vector<std::string>();
}

// The minute tick, running only while automatic scans are on: the relay server's refresh and the
// network scan's schedule.
void OnMinuteTimer(Application& app)
{
    RelayNames names = CurrentRelayNames(app);
    Win32MailslotReader reader(app.mailslots.relayClient);
    RunRelayMinute(app.settings.UseServer != 0, names.Identity(), app.relay.minutes, reader, app.relay.serverGroups,
                   SystemCodec(), app.Writer());
    if (app.browser) app.browser->OnScanMinute(app.scanDelay, [&app] { return QuickListNames(app); });
}

// With automatic scans the main window starts the first scan and the minute timer.
void StartScanSchedule(Application& app)
{
    SetTimer(app.MainDialog(), kTimerAutoScan, kMinuteMs, nullptr);
    if (!app.browser) return;
    app.browser->ResetScanSchedule();
    app.browser->StartScan(QuickListNames(app));
}

} // namespace

void PauseForAutoReplyMode(Application& app)
{
    SetTimer(app.MainDialog(), kTimerAutoReplyPoll, kPollPeriodMs, nullptr);
    PauseBlinking(*app.mainWindow);
}

void ResumeAfterAutoReplyMode(Application& app)
{
    KillTimer(app.MainDialog(), kTimerAutoReplyPoll);
    ResumeBlinking(*app.mainWindow);
}

void StartReceiveTimers(Application& app)
{
    HWND mainDialog = app.MainDialog();
    SetTimer(mainDialog, kTimerPlainPoll, kPollPeriodMs, nullptr);
    SetTimer(mainDialog, kTimerGroupPoll, kPollPeriodMs, nullptr);
    if (app.settings.AutoScan) StartScanSchedule(app);
}

bool OnReceiveTimer(Application& app, UINT_PTR timer)
{
    switch (timer) {
    case kTimerPlainPoll: OnPlainTimer(app); return true;
    case kTimerGroupPoll: OnGroupTimer(app); return true;
    case kTimerAutoReplyPoll: OnAutoReplyTimer(app); return true;
    case kTimerAutoScan: OnMinuteTimer(app); return true;
    }
    return false;
}

} // namespace kivet
