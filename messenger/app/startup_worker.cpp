#include "messenger/app/startup_worker.h"

#include "messenger/browser/win32/network_state_win32.h"

namespace kivet {
namespace {

DWORD WINAPI StartupWorkerMain(LPVOID parameter)
{
    // The OS family is already known: the main thread determines it before starting this worker,
    // because the main window's mailbox set-up reads it.
    auto* app = static_cast<Application*>(parameter);
    if (NetworkState* state = app->network) FillLocalNames(*state);
    return 0;
}

} // namespace

HANDLE StartStartupWorker(Application& app)
{
    DWORD id = 0;
    return CreateThread(nullptr, 0, StartupWorkerMain, &app, 0, &id);
}

} // namespace kivet
