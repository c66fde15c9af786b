#include "messenger/mainwindow/win32/receive_timers.h"

#include "messenger/mainwindow/arrival_alerts.h"
#include "messenger/mainwindow/tray_animation.h"
#include "messenger/mainwindow/win32/main_dialog.h"
#include "messenger/mainwindow/win32/main_view.h"
#include "messenger/mainwindow/win32/scroll_lock_light.h"
#include "messenger/mainwindow/win32/tray_icon.h"
#include "messenger/messages.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/settings.h"
#include "messenger/runtime/win32/program_state.h"
#include "messenger/store/message_store.h"
#include "messenger/transport/poll_auto_reply.h"
#include "messenger/transport/poll_group.h"
#include "messenger/transport/poll_plain.h"
#include "messenger/transport/win32/mailslots.h"
#include "messenger/transport/win32/receive_context_win32.h"
#include "messenger/transport/win32/relay_state.h"
#include "messenger/transport/win32/win32_codec.h"

namespace kivet {
namespace {

constexpr UINT kPollPeriodMs = 3000;
constexpr UINT kTrayBlinkMs = 250;
constexpr UINT kMinuteMs = 60000;

TrayAnimation g_animation;

Win32MailslotWriter Writer(ReceiveContext& context)
{
    return Win32MailslotWriter(context.LocalComputer());
}

void UpdateTrayTip(HWND mainDialog, UINT icon)
{
    StoreCounts counts = ProcessMessageStore().Counts();
    char tip[100];
    FormatTrayTooltip(tip, sizeof tip, counts.total, counts.unread);
    ModifyTrayIcon(mainDialog, icon, tip);
}

// A pass is announced only when it stored something: a pass that read only duplicates says
// nothing, and one that also passed over an ignored datagram still announces what it stored.
bool StoredMore(int32_t totalBefore)
{
    return ProcessMessageStore().Counts().total > totalBefore;
}

void Announce(HWND mainDialog, const char* what)
{
    WriteAction(what);
    NotifyNewMessage(mainDialog);
    WriteAction(std::string(what) + " Complete.");
}

void OnPlainTimer(HWND mainDialog)
{
    ProgramState& p = Program();
    Win32ReceiveContext context;
    Win32MailslotWriter writer = Writer(context);
    if (ProcessSettings().UseServer) {
        Win32MailslotReader relay(p.mailslots.relayClient);
        ReadGroupLists(relay, RelayServerGroups(), SystemCodec());
    }
    Win32MailslotReader reader(p.mailslots.plain);
    const int32_t before = ProcessMessageStore().Counts().total;
    PollPlain(reader, writer, SystemCodec(), context, ProcessMessageStore());
    if (!StoredMore(before)) return;
    StartBlinkingForUnread(mainDialog);
    Announce(mainDialog, "New common message has been received.");
}

void OnGroupTimer(HWND mainDialog)
{
    Win32ReceiveContext context;
    Win32MailslotWriter writer = Writer(context);
    Win32MailslotReader reader(Program().mailslots.group);
    const int32_t before = ProcessMessageStore().Counts().total;
    PollGroup(reader, writer, SystemCodec(), context, ProcessMessageStore(), ProcessReceiptTable());
    if (!StoredMore(before)) return;
    StartBlinkingForUnread(mainDialog);
    Announce(mainDialog, "New group message has been received.");
}

// Auto-Reply mode: requests for this user's Auto-Reply message are answered on the way.
void OnAutoReplyTimer()
{
    Win32ReceiveContext context;
    Win32MailslotWriter writer = Writer(context);
    Win32MailslotReader reader(Program().mailslots.autoReply);
    AutoReplyFields answer;
    PollAutoReply(reader, writer, SystemCodec(), context, answer);
}

void OnTrayBlinkTimer(HWND mainDialog)
{
    UpdateTrayTip(mainDialog, g_animation.NextIcon());
}

// The minute tick, running only while automatic scans are on: the relay server's refresh (the
// network scan schedule joins it with the network browser).
void OnMinuteTimer()
{
    RelayNames names = CurrentRelayNames();
    Win32MailslotWriter writer(names.computer);
    Win32MailslotReader reader(Program().mailslots.relayClient);
    RunRelayMinute(ProcessSettings().UseServer != 0, names.Identity(), RelayMinuteCounter(), reader,
                   RelayServerGroups(), SystemCodec(), writer);
}

} // namespace

// New messages start the tray animation and the Scroll Lock light; Auto-Reply mode keeps both off.
void StartBlinkingForUnread(HWND mainDialog)
{
    ProgramState& p = Program();
    ArrivalAlerts alerts = PlanArrivalAlerts(ProcessSettings(), CurrentAlertState(mainDialog));
    if (alerts.startTrayAnimation) {
        g_animation.Restart();
        p.trayBlinking = true;
        SetTimer(mainDialog, kTimerTrayBlink, kTrayBlinkMs, nullptr);
    }
    if (alerts.startScrollLock) StartScrollLockBlinking(mainDialog);
}

void PauseForAutoReplyMode(HWND mainDialog)
{
    SetTimer(mainDialog, kTimerAutoReplyPoll, kPollPeriodMs, nullptr);
    // The animation pauses; its flag stays set so that leaving the mode resumes it.
    if (Program().trayBlinking) KillTimer(mainDialog, kTimerTrayBlink);
    StopScrollLockBlinking(mainDialog);
}

void ResumeAfterAutoReplyMode(HWND mainDialog)
{
    KillTimer(mainDialog, kTimerAutoReplyPoll);
    if (Program().trayBlinking) SetTimer(mainDialog, kTimerTrayBlink, kTrayBlinkMs, nullptr);
    // Messages that came while away are announced by the tray and the light from now on.
    StartBlinkingForUnread(mainDialog);
}

void StartReceiveTimers(HWND mainDialog)
{
    SetTimer(mainDialog, kTimerPlainPoll, kPollPeriodMs, nullptr);
    SetTimer(mainDialog, kTimerGroupPoll, kPollPeriodMs, nullptr);
    if (ProcessSettings().AutoScan) SetTimer(mainDialog, kTimerAutoScan, kMinuteMs, nullptr);
}

bool OnReceiveTimer(HWND mainDialog, UINT_PTR timer)
{
    switch (timer) {
    case kTimerPlainPoll: OnPlainTimer(mainDialog); return true;
    case kTimerGroupPoll: OnGroupTimer(mainDialog); return true;
    case kTimerAutoReplyPoll: OnAutoReplyTimer(); return true;
    case kTimerTrayBlink: OnTrayBlinkTimer(mainDialog); return true;
    case kTimerScrollLock: OnScrollLockTick(); return true;
    case kTimerAutoScan: OnMinuteTimer(); return true;
    }
    return false;
}

} // namespace kivet
