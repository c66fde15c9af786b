// Entry point of kivetsec.
#include <windows.h>

#include "messenger/runtime/action_log.h"
#include "messenger/runtime/program_start.h"
#include "messenger/runtime/win32/program_state.h"
#include "messenger/runtime/win32/registry_store_win32.h"
#include "messenger/runtime/win32/startup_host.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    kivet::Program().instance = instance;
    kivet::Win32StartupHost host;
    kivet::Win32Registry registry;
    return kivet::RunProgram(host, kivet::ProcessActionLog(), registry);
}
