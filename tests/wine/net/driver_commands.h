// The driver's commands, one thing each on the program running on this computer. Each prints what
// it found on standard output, one "word value" line per finding, and returns the driver's exit
// code: 0 done, 1 the program did not do or show what was asked (or not in time).
#pragma once

#include <string>
#include <vector>

#include "tests/wine/net/running_program.h"

namespace kivet::wine {

using Arguments = std::vector<std::string>;

void PrintLine(const std::string& line);
// Milliseconds since 1970 (UTC), with the system's finest resolution: comparable between the
// computers of one machine.
double UnixMilliseconds();

// What the window shows.
int PrintHeader(RunningProgram& program, const Arguments& args);
int PrintText(RunningProgram& program, const Arguments& args);
int PrintTray(RunningProgram& program, const Arguments& args);
int PrintPadlock(RunningProgram& program, const Arguments& args);
int PrintMessages(RunningProgram& program, const Arguments& args);
int PrintScan(RunningProgram& program, const Arguments& args);
int PrintLog(RunningProgram& program, const Arguments& args);

// Waiting for the window to show something, bounded by a time in milliseconds.
int WaitForCount(RunningProgram& program, const Arguments& args);
int WaitForScan(RunningProgram& program, const Arguments& args);
int WatchArrivals(RunningProgram& program, const Arguments& args);

// Acting on the program.
int SendCommand(RunningProgram& program, const Arguments& args);
int EnterAutoReplyMode(RunningProgram& program, const Arguments& args);
int LeaveAutoReplyMode(RunningProgram& program, const Arguments& args);
int ReadDetails(RunningProgram& program, const Arguments& args);
int ExitRunningProgram(RunningProgram& program, const Arguments& args);
int KillRunningProgram(RunningProgram& program, const Arguments& args);

// Working the send dialog.
int SendFromDialog(RunningProgram& program, const Arguments& args);
int RefreshNames(RunningProgram& program, const Arguments& args);
int ReadAutoReplyFromTree(RunningProgram& program, const Arguments& args);

// This computer as Wine presents it, without the program.
int PrintIdentity(const Arguments& args);

} // namespace kivet::wine
