// Commands that wait, within a bounded time, for the program to show something.
#include <cstdlib>

#include "tests/wine/driver/kivet_driver.h"
#include "tests/wine/net/driver_commands.h"

namespace kivet::wine {
namespace {

DWORD Milliseconds(const Arguments& args, std::size_t index, DWORD otherwise)
{
    return index < args.size() ? static_cast<DWORD>(std::strtoul(args[index].c_str(), nullptr, 10)) : otherwise;
}

} // namespace

// wait-count N [MS]: until the tray tooltip counts N messages or more; prints the tooltip.
int WaitForCount(RunningProgram& program, const Arguments& args)
{
    const int wanted = std::atoi(args[0].c_str());
    const bool reached = WaitUntil(
        [&] {
            const std::optional<TrayCounts> counts = program.Counts();
            return counts && counts->total >= wanted;
        },
        Milliseconds(args, 1, 15000));
    PrintLine("tray " + program.Tooltip());
    return reached ? 0 : 1;
}

// wait-scan [MS]: until a scan has ended with computers listed; prints the figures and the
// milliseconds waited.
int WaitForScan(RunningProgram& program, const Arguments& args)
{
    const double start = UnixMilliseconds();
    const bool done = WaitUntil(
        [&] {
            const ScanFigures scan = program.Scan();
            return scan.computers > 0 && !scan.running;
        },
        Milliseconds(args, 0, 60000));
    const int waited = static_cast<int>(UnixMilliseconds() - start);
    PrintScan(program, {});
    PrintLine("waited " + std::to_string(waited));
    return done ? 0 : 1;
}

// watch N MS: every time the count of messages grows, "shown COUNT UNIX_MS"; ends when it reaches
// N (exit 0) or after MS milliseconds (exit 1). Polls without pause: the time shown is what a
// soak measures.
int WatchArrivals(RunningProgram& program, const Arguments& args)
{
    const int wanted = std::atoi(args[0].c_str());
    const double deadline = UnixMilliseconds() + Milliseconds(args, 1, 60000);
    const std::optional<TrayCounts> first = program.Counts();
    int seen = first ? first->total : 0;
    PrintLine("start " + std::to_string(seen));
    while (seen < wanted) {
        const std::optional<TrayCounts> counts = program.Counts();
        const double now = UnixMilliseconds(); // after the answer: a message is never seen early
        if (counts && counts->total > seen) {
            seen = counts->total;
            char line[64];
            std::snprintf(line, sizeof line, "shown %d %.1f", seen, now);
            PrintLine(line);
        }
        if (now > deadline) return 1;
        Sleep(1);
    }
    return 0;
}

} // namespace kivet::wine
