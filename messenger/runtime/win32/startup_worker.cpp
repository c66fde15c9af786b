#include "messenger/runtime/win32/startup_worker.h"

#include "messenger/browser/win32/network_state_win32.h"
#include "messenger/runtime/win32/program_state.h"

namespace kivet {
namespace {

DWORD WINAPI StartupWorkerMain(LPVOID)
{
    // The OS family is already known: the main thread determines it before starting this worker,
    // because the main window's mailbox set-up reads it.
    if (NetworkState* state = Program().network) FillLocalNames(*state);
    return 0;
}

} // namespace

HANDLE StartStartupWorker()
{
    DWORD id = 0;
    return CreateThread(nullptr, 0, StartupWorkerMain, nullptr, 0, &id);
}

} // namespace kivet
