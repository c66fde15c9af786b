// Commands that act on the program the way its user would: menu commands, Auto-Reply mode, the
// Details window, Exit.
#include <cstdlib>

#include "messenger/resources/resource.h"
#include "tests/wine/driver/kivet_driver.h"
#include "tests/wine/net/driver_commands.h"

namespace kivet::wine {
namespace {

constexpr DWORD kWindowWait = 15000;

bool InAutoReplyMode(const RunningProgram& program)
{
    const std::optional<TrayCounts> counts = program.Counts();
    return counts && counts->away;
}

bool WaitUntilClosed(HWND window)
{
    return WaitUntil([&] { return !IsWindow(window); }, kWindowWait);
}

} // namespace

// command ID: the menu command, carried out before the driver ends.
int SendCommand(RunningProgram& program, const Arguments& args)
{
    program.Command(static_cast<WORD>(std::atoi(args[0].c_str())));
    return 0;
}

// away TEXT: the Auto-Reply mode command, TEXT typed into the "Set Auto-Reply message" dialog
// (replacing the text it starts with), OK; done when the tray says so.
int EnterAutoReplyMode(RunningProgram& program, const Arguments& args)
{
    if (InAutoReplyMode(program)) return 1;
    program.PostCommand(IDM_AUTO_REPLY);
    HWND dialog = WaitFor([&] { return FindMessageBox(program.ProcessId(), "Set Auto-Reply message"); }, kWindowWait);
    if (!dialog) return 1;
    HWND edit = GetDlgItem(dialog, IDC_AUTO_REPLY_TEXT);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (char c : args[0]) // typed, so that the dialog hears of the change and enables OK
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
    PressButton(dialog, IDOK);
    const bool entered = WaitUntilClosed(dialog) && WaitUntil([&] { return InAutoReplyMode(program); }, kWindowWait);
    PrintTray(program, {});
    return entered ? 0 : 1;
}

// back: the Auto-Reply mode command again, which leaves the mode.
int LeaveAutoReplyMode(RunningProgram& program, const Arguments&)
{
    if (!InAutoReplyMode(program)) return 1;
    program.PostCommand(IDM_AUTO_REPLY);
    const bool left = WaitUntil([&] { return !InAutoReplyMode(program); }, kWindowWait);
    PrintTray(program, {});
    return left ? 0 : 1;
}

// details: Message details (F3) on the current message; prints the Details window's five values
// ("computer", "user", "workgroup", "mac", "ip") and closes it with OK.
int ReadDetails(RunningProgram& program, const Arguments&)
{
    program.PostCommand(IDM_MESSAGE_DETAILS);
    // The window opens once the sender has been looked up on the network.
    HWND details = WaitFor([&] { return FindMessageBox(program.ProcessId(), "Details"); }, 30000);
    if (!details) return 1;
    const struct {
        const char* word;
        int control;
    } values[] = {{"computer", IDC_DETAILS_COMPUTER},
                  {"user", IDC_DETAILS_USER},
                  {"workgroup", IDC_DETAILS_WORKGROUP},
                  {"mac", IDC_DETAILS_MAC},
                  {"ip", IDC_DETAILS_IP}};
    for (const auto& value : values) {
        char text[256] = {};
        SendMessageA(GetDlgItem(details, value.control), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        PrintLine(std::string(value.word) + " " + text);
    }
    PressButton(details, IDOK);
    return WaitUntilClosed(details) ? 0 : 1;
}

// exit: Exit, Yes to the question, Yes to the unread-messages question when it comes; done when
// the process has ended.
int ExitRunningProgram(RunningProgram& program, const Arguments&)
{
    program.PostCommand(IDM_EXIT);
    HWND box =
        WaitFor([&] { return FindMessageBox(program.ProcessId(), "Closing Kivet Secure Messenger"); }, kWindowWait);
    if (!box) return 1;
    PressButton(box, IDYES);
    for (int i = 0; i < 60; ++i) {
        if (HWND unread = FindMessageBox(program.ProcessId(), "Deleting messages")) PressButton(unread, IDYES);
        if (program.WaitExit(250)) return 0;
    }
    return 1;
}

// kill: ends the process at once, without the exit sequence (its names are not released).
int KillRunningProgram(RunningProgram& program, const Arguments&)
{
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, program.ProcessId());
    if (!process) return 1;
    TerminateProcess(process, 99);
    const bool ended = WaitForSingleObject(process, kWindowWait) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended ? 0 : 1;
}

} // namespace kivet::wine
