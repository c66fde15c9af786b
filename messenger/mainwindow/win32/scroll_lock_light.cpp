#include "messenger/mainwindow/win32/scroll_lock_light.h"

#include "messenger/messages.h"
#include "messenger/runtime/win32/program_state.h"

namespace kivet {
namespace {

constexpr UINT kBlinkMs = 300;
constexpr BYTE kScrollLockScanCode = 0x46;

// How many times the blinking has switched the light; an odd count means it is not as the user left it.
unsigned g_toggles = 0;

// A lock key changes its state on the press; a whole press and release switches the light once.
void ToggleScrollLock()
{
    keybd_event(VK_SCROLL, kScrollLockScanCode, 0, 0);
    keybd_event(VK_SCROLL, kScrollLockScanCode, KEYEVENTF_KEYUP, 0);
    ++g_toggles;
}

} // namespace

void StartScrollLockBlinking(HWND mainDialog)
{
    ProgramState& p = Program();
    if (p.scrollLockBlinking) return;
    g_toggles = 0;
    p.scrollLockBlinking = true;
    SetTimer(mainDialog, kTimerScrollLock, kBlinkMs, nullptr);
}

void OnScrollLockTick()
{
    ToggleScrollLock();
}

void StopScrollLockBlinking(HWND mainDialog)
{
    ProgramState& p = Program();
    if (!p.scrollLockBlinking) return;
    KillTimer(mainDialog, kTimerScrollLock);
    p.scrollLockBlinking = false;
    if (g_toggles % 2 != 0) ToggleScrollLock();
    g_toggles = 0;
}

} // namespace kivet
