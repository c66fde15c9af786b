#include "messenger/mainwindow/win32/new_message_alerts.h"

#include "messenger/mainwindow/arrival_alerts.h"
#include "messenger/mainwindow/win32/main_view.h"
#include "messenger/mainwindow/win32/scroll_lock_light.h"
#include "messenger/mainwindow/win32/tray_icon.h"
#include "messenger/messages.h"

namespace kivet {
namespace {

constexpr UINT kTrayBlinkMs = 250;

void OnTrayBlinkTick(MainWindow& window)
{
    StoreCounts counts = window.store.Counts();
    char tip[100];
    FormatTrayTooltip(tip, sizeof tip, counts.total, counts.unread);
    ModifyTrayIcon(window, window.blinking.animation.NextIcon(), tip);
}

} // namespace

void StartBlinkingForUnread(MainWindow& window)
{
    ArrivalAlerts alerts = PlanArrivalAlerts(window.settings, CurrentAlertState(window));
    if (alerts.startTrayAnimation) {
        window.blinking.animation.Restart();
        window.blinking.tray = true;
        SetTimer(window.dialog, kTimerTrayBlink, kTrayBlinkMs, nullptr);
    }
    if (alerts.startScrollLock) StartScrollLockBlinking(window);
}

void StopBlinkingWhenAllRead(MainWindow& window)
{
    if (window.store.Counts().unread != 0) return;
    if (window.blinking.tray) {
        KillTimer(window.dialog, kTimerTrayBlink);
        window.blinking.tray = false;
    }
    StopScrollLockBlinking(window);
}

void PauseBlinking(MainWindow& window)
{
    // The flag stays set so that leaving the mode resumes the animation.
    if (window.blinking.tray) KillTimer(window.dialog, kTimerTrayBlink);
    StopScrollLockBlinking(window);
}

void ResumeBlinking(MainWindow& window)
{
    if (window.blinking.tray) SetTimer(window.dialog, kTimerTrayBlink, kTrayBlinkMs, nullptr);
    // Messages that came while away are announced by the tray and the light from now on.
    StartBlinkingForUnread(window);
}

bool OnAlertTimer(MainWindow& window, UINT_PTR timer)
{
    switch (timer) {
    case kTimerTrayBlink: OnTrayBlinkTick(window); return true;
    case kTimerScrollLock: OnScrollLockTick(window); return true;
    }
    return false;
}

} // namespace kivet
