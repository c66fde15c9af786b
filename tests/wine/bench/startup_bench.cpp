// Measures kivetsec's start: from process creation until its message loop waits for input with
// the main window built. Wine must already be up (a persistent wineserver), so the figure is the
// program's own start, not Wine's.
//   startup_bench [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/wine/driver/kivet_driver.h"

using namespace kivet::wine;

int main(int argc, char** argv)
{
    int runs = argc > 1 ? std::atoi(argv[1]) : 10;
    if (runs < 1) runs = 1;
    std::string folder = MakeProgramFolder("startup-bench");
    std::vector<double> ms;
    LARGE_INTEGER freq;
    QueryPerformanceFrequency(&freq);
    for (int i = 0; i < runs; ++i) {
        ResetProgramRegistry();
        KivetProcess program;
        LARGE_INTEGER t0, t1;
        QueryPerformanceCounter(&t0);
        if (!program.Start(folder, "") || !program.WaitIdle(30000)) {
            std::fprintf(stderr, "run %d: the program did not reach its message loop\n", i + 1);
            return 1;
        }
        QueryPerformanceCounter(&t1);
        if (!WaitFor(FindMainDialog, 5000)) {
            std::fprintf(stderr, "run %d: no main window\n", i + 1);
            return 1;
        }
        ms.push_back(1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(freq.QuadPart));
        if (!ExitProgram(program)) program.Kill();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("start-up to message loop over %d runs: min %.0f ms, median %.0f ms, max %.0f ms\n", runs, ms.front(),
                ms[ms.size() / 2], ms.back());
    return 0;
}
