#include "messenger/mainwindow/win32/auto_reply_window.h"

#include "messenger/mainwindow/win32/main_commands.h"
#include "messenger/mainwindow/win32/main_view.h"
#include "messenger/messages.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/program_state.h"

namespace kivet {
namespace {
constexpr UINT kPollPeriodMs = 3000;
constexpr UINT kTrayBlinkMs = 250;
} // namespace

void EnterAutoReplyMode(HWND mainDialog)
{
    ProgramState& p = Program();
    p.autoReplyMode = true;
    SetWindowTextA(mainDialog, Text(197));
    UpdateCheckMarks(mainDialog);
    SetTimer(mainDialog, kTimerAutoReplyPoll, kPollPeriodMs, nullptr);
    // The animation pauses; its flag stays set so that leaving the mode resumes it.
    if (p.trayBlinking) KillTimer(mainDialog, kTimerTrayBlink);
    RefreshView(mainDialog, Direction::Stay);
}

void LeaveAutoReplyMode(HWND mainDialog)
{
    ProgramState& p = Program();
    p.autoReplyMode = false;
    SetWindowTextA(mainDialog, p.className);
    UpdateCheckMarks(mainDialog);
    KillTimer(mainDialog, kTimerAutoReplyPoll);
    if (p.trayBlinking) SetTimer(mainDialog, kTimerTrayBlink, kTrayBlinkMs, nullptr);
    RefreshView(mainDialog, Direction::Stay);
}

} // namespace kivet
