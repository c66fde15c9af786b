#include "tests/wine/net/running_program.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "messenger/resources/resource.h"
#include "tests/wine/driver/kivet_driver.h"
#include "tests/wine/driver/main_window_session.h"

namespace kivet::wine {
namespace {

constexpr int kPadlockPart = 2;

struct MainSearch {
    HWND frame;
    HWND found;
};

// The main window among the dialogs the frame owns: the send dialog and others are owned by the
// frame too, and may come before it in the Z order.
BOOL CALLBACK FindMainAmongOwned(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<MainSearch*>(param);
    if (GetWindow(window, GW_OWNER) != search->frame || !GetDlgItem(window, IDC_HEADER)) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindMainWindow()
{
    MainSearch search{FindFrame(), nullptr};
    if (search.frame) EnumWindows(FindMainAmongOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

UINT ScanQuery()
{
    static const UINT query = RegisterWindowMessageA("KivetSecureMessenger.ScanState");
    return query;
}

} // namespace

std::optional<TrayCounts> ParseTooltip(const std::string& tooltip)
{
    TrayCounts counts;
    if (std::sscanf(tooltip.c_str(), "%d Messages, %d New", &counts.total, &counts.unread) != 2) return std::nullopt;
    counts.away = tooltip.find("(Auto-Reply mode)") != std::string::npos;
    return counts;
}

bool RunningProgram::Find(DWORD ms)
{
    main_ = WaitFor(FindMainWindow, ms);
    if (!main_) return false;
    GetWindowThreadProcessId(main_, &processId_);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, processId_);
    if (!process) return false;
    // The window exists before its initialisation has run.
    const bool idle = WaitForInputIdle(process, ms) == 0;
    CloseHandle(process);
    return idle;
}

bool RunningProgram::WaitExit(DWORD ms) const
{
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId_);
    if (!process) return true; // already gone
    const bool ended = WaitForSingleObject(process, ms) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

std::string RunningProgram::Header() const
{
    return ControlText(main_, IDC_HEADER);
}

std::string RunningProgram::Text() const
{
    return ControlText(main_, IDC_MESSAGE_TEXT);
}

std::string RunningProgram::Tooltip() const
{
    return TrayTooltip(main_);
}

std::optional<TrayCounts> RunningProgram::Counts() const
{
    return ParseTooltip(Tooltip());
}

bool RunningProgram::Padlock() const
{
    return SendMessageA(GetDlgItem(main_, IDC_STATUS_BAR), SB_GETICON, kPadlockPart, 0) != 0;
}

ScanFigures RunningProgram::Scan() const
{
    const LRESULT answer = SendMessageA(main_, ScanQuery(), 0, 0);
    ScanFigures figures;
    figures.computers = static_cast<int>(answer & 0x7FFF);
    figures.users = static_cast<int>((answer >> 15) & 0x7FFF);
    figures.running = (answer >> 30) & 1;
    return figures;
}

long RunningProgram::ScannedState(const std::string& name) const
{
    const ATOM atom = GlobalAddAtomA(name.c_str());
    if (!atom) return -1;
    const LRESULT answer = SendMessageA(main_, ScanQuery(), atom, 0);
    GlobalDeleteAtom(atom);
    return static_cast<long>(answer);
}

void RunningProgram::Command(WORD id) const
{
    SendMessageA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void RunningProgram::PostCommand(WORD id) const
{
    PostMessageA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

} // namespace kivet::wine
