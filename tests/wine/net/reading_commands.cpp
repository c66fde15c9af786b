// Commands that read what the program shows, changing nothing but the current message.
#include <windows.h>
#include <lm.h>

#include <cstdio>

#include "messenger/resources/resource.h"
#include "tests/wine/driver/kivet_driver.h"
#include "tests/wine/net/driver_commands.h"

namespace kivet::wine {

void PrintLine(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

double UnixMilliseconds()
{
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return static_cast<double>(ticks - 116444736000000000ULL) / 10000.0;
}

int PrintHeader(RunningProgram& program, const Arguments&)
{
    PrintLine("header " + program.Header());
    return 0;
}

int PrintText(RunningProgram& program, const Arguments&)
{
    PrintLine("text " + program.Text());
    return 0;
}

int PrintTray(RunningProgram& program, const Arguments&)
{
    PrintLine("tray " + program.Tooltip());
    return 0;
}

int PrintPadlock(RunningProgram& program, const Arguments&)
{
    PrintLine(std::string("padlock ") + (program.Padlock() ? "1" : "0"));
    return 0;
}

// Every stored message from the first: "message N|padlock|header|text", with the line breaks of
// a text written as "\n".
int PrintMessages(RunningProgram& program, const Arguments&)
{
    const std::optional<TrayCounts> counts = program.Counts();
    if (!counts) return 1;
    for (int i = 0; i < counts->total; ++i)
        program.Command(IDM_PREVIOUS);
    for (int i = 1; i <= counts->total; ++i) {
        if (i > 1) program.Command(IDM_NEXT);
        std::string text;
        for (char c : program.Text())
            text += c == '\r' ? std::string() : c == '\n' ? std::string("\\n") : std::string(1, c);
        PrintLine("message " + std::to_string(i) + "|" + (program.Padlock() ? "1" : "0") + "|" + program.Header() +
                  "|" + text);
    }
    return 0;
}

// "scan computers=N users=N running=0|1", then "state NAME S" for each name asked.
int PrintScan(RunningProgram& program, const Arguments& args)
{
    const ScanFigures scan = program.Scan();
    PrintLine("scan computers=" + std::to_string(scan.computers) + " users=" + std::to_string(scan.users) +
              " running=" + (scan.running ? "1" : "0"));
    for (const std::string& name : args)
        PrintLine("state " + name + " " + std::to_string(program.ScannedState(name)));
    return 0;
}

// The ACTION lines of kivetsec.log in the current folder (the program's), "action TEXT" each.
int PrintLog(RunningProgram&, const Arguments&)
{
    for (const std::string& action : LogActions(ReadTextFile("kivetsec.log")))
        PrintLine("action " + action);
    return 0;
}

// The names the program builds its identity from: "computer", "user" and "langroup" (the
// workstation's LAN group as NetWkstaGetInfo reports it).
int PrintIdentity(const Arguments&)
{
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof computer;
    GetComputerNameA(computer, &size);
    PrintLine(std::string("computer ") + computer);
    PrintLine("user " + LogonName());
    WKSTA_INFO_100* info = nullptr;
    char group[64] = {};
    if (NetWkstaGetInfo(nullptr, 100, reinterpret_cast<LPBYTE*>(&info)) == NERR_Success && info) {
        WideCharToMultiByte(CP_ACP, 0, info->wki100_langroup, -1, group, sizeof group - 1, nullptr, nullptr);
        NetApiBufferFree(info);
    }
    PrintLine(std::string("langroup ") + group);
    return 0;
}

} // namespace kivet::wine
