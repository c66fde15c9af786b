#include "messenger/mainwindow/win32/scroll_lock_light.h"

#include "messenger/messages.h"

namespace kivet {
namespace {

constexpr UINT kBlinkMs = 300;
constexpr BYTE kScrollLockScanCode = 0x46;

void SendScrollLockEvent(KeyEvent event)
{
    keybd_event(VK_SCROLL, kScrollLockScanCode, event == KeyEvent::Press ? 0 : KEYEVENTF_KEYUP, 0);
}

} // namespace

void StartScrollLockBlinking(MainWindow& window)
{
    Blinking& b = window.blinking;
    if (b.scrollLock) return;
    b.scrollLockRhythm.Start();
    b.scrollLock = true;
    SetTimer(window.dialog, kTimerScrollLock, kBlinkMs, nullptr);
}

void OnScrollLockTick(MainWindow& window)
{
    SendScrollLockEvent(window.blinking.scrollLockRhythm.Tick());
}

void StopScrollLockBlinking(MainWindow& window)
{
    Blinking& b = window.blinking;
    if (!b.scrollLock) return;
    KillTimer(window.dialog, kTimerScrollLock);
    b.scrollLock = false;
    for (KeyEvent event : b.scrollLockRhythm.Stop())
        SendScrollLockEvent(event);
}

} // namespace kivet
