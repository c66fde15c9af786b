// Entry point of kivetsec.
#include <windows.h>

#include "messenger/app/application.h"
#include "messenger/app/startup_host.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/program_start.h"
#include "messenger/runtime/win32/registry_store_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // The program lives until the process ends: threads that outlive the message loop (a start-up
    // worker that would not finish) may still read it.
    static kivet::Application app;
    app.files.instance = instance;
    kivet::Win32StartupHost host(app);
    kivet::Win32Registry registry;
    return kivet::RunProgram(host, kivet::ProcessActionLog(), registry);
}
