// Drives the kivetsec.exe running on this computer (this Wine prefix) for the network tests, one
// thing per call; the Python side orchestrates the computers. Run it in the program's folder:
//
//   program_driver.exe COMMAND [ARGUMENT...]
//
//   whoami               the computer, logon and LAN group names Wine gives a program here
//   main [MS]            waits for the main window and the program's message loop
//   header | text | tray | padlock
//                        what the main window shows of the current message, and the tray tooltip
//   messages             every stored message, first to last: "message N|padlock|header|text"
//   scan [NAME...]       the last network scan's counts, and each name's state (-1: not listed)
//   log                  the action log's ACTION lines
//   wait-count N [MS]    until the tray counts N messages
//   wait-scan [MS]       until a network scan has listed computers and ended
//   watch N [MS]         "shown COUNT UNIX_MS" each time the count grows, until it reaches N
//   command ID           a menu command, carried out
//   away TEXT | back     enter Auto-Reply mode with TEXT through its dialog, or leave it
//   details              Message details (F3): the Details window's five values, then OK
//   send NAMES TEXT [ANSWER...]
//                        a message sent from the send dialog, its questions answered ("yes",
//                        "yes-tick", "no") and every box it shows read
//   refresh              Refresh (F5) in the send dialog, until the scan has filled the tree
//   read-auto-reply NAME Read Auto-Reply message on NAME in the send dialog's names tree
//   exit                 Exit, answering Yes
//   kill                 ends the program's process at once
//
// Exit code 0: done; 1: the program did not do or show it in time (or is not running); 2: usage.
#include <cstdlib>
#include <cstring>

#include "tests/wine/net/driver_commands.h"

using namespace kivet::wine;

namespace {

struct CommandEntry {
    const char* name;
    std::size_t arguments; // at least
    int (*run)(RunningProgram&, const Arguments&);
};

const CommandEntry kCommands[] = {
    {"header", 0, PrintHeader},
    {"text", 0, PrintText},
    {"tray", 0, PrintTray},
    {"padlock", 0, PrintPadlock},
    {"messages", 0, PrintMessages},
    {"scan", 0, PrintScan},
    {"log", 0, PrintLog},
    {"wait-count", 1, WaitForCount},
    {"wait-scan", 0, WaitForScan},
    {"watch", 1, WatchArrivals},
    {"command", 1, SendCommand},
    {"away", 1, EnterAutoReplyMode},
    {"back", 0, LeaveAutoReplyMode},
    {"details", 0, ReadDetails},
    {"send", 2, SendFromDialog},
    {"refresh", 0, RefreshNames},
    {"read-auto-reply", 1, ReadAutoReplyFromTree},
    {"exit", 0, ExitRunningProgram},
    {"kill", 0, KillRunningProgram},
};

constexpr DWORD kFindWait = 15000;

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) return 2;
    const Arguments args(argv + 2, argv + argc);
    if (std::strcmp(argv[1], "whoami") == 0) return PrintIdentity(args);

    RunningProgram program;
    if (std::strcmp(argv[1], "main") == 0) {
        const DWORD wait = args.empty() ? kFindWait : static_cast<DWORD>(std::strtoul(args[0].c_str(), nullptr, 10));
        const bool found = program.Find(wait);
        PrintLine(found ? "main ready" : "main missing");
        return found ? 0 : 1;
    }
    for (const CommandEntry& command : kCommands) {
        if (std::strcmp(argv[1], command.name) != 0) continue;
        if (args.size() < command.arguments) return 2;
        if (!program.Find(kFindWait)) {
            PrintLine("main missing");
            return 1;
        }
        return command.run(program, args);
    }
    return 2;
}
