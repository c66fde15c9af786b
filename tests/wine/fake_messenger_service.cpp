// A stand-in for the system's Messenger service, for the takeover tests: a service that holds
// "\\.\mailslot\messngr" while it runs.
#include <windows.h>

namespace {

SERVICE_STATUS_HANDLE g_status = nullptr;
HANDLE g_stop = nullptr;

void Report(DWORD state)
{
    SERVICE_STATUS status{};
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = state;
    status.dwControlsAccepted = state == SERVICE_RUNNING ? SERVICE_ACCEPT_STOP : 0;
    SetServiceStatus(g_status, &status);
}

DWORD WINAPI Handler(DWORD control, DWORD, LPVOID, LPVOID)
{
    if (control == SERVICE_CONTROL_STOP) {
        Report(SERVICE_STOP_PENDING);
        SetEvent(g_stop);
    }
    return NO_ERROR;
}

void WINAPI ServiceMain(DWORD, LPSTR*)
{
    g_status = RegisterServiceCtrlHandlerExA("Messenger", Handler, nullptr);
    g_stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE mailslot = CreateMailslotA("\\\\.\\mailslot\\messngr", 0, MAILSLOT_WAIT_FOREVER, nullptr);
    Report(SERVICE_RUNNING);
    WaitForSingleObject(g_stop, INFINITE);
    if (mailslot != INVALID_HANDLE_VALUE) CloseHandle(mailslot);
    Report(SERVICE_STOPPED);
}

} // namespace

int main()
{
    SERVICE_TABLE_ENTRYA table[] = {{const_cast<LPSTR>("Messenger"), ServiceMain}, {nullptr, nullptr}};
    return StartServiceCtrlDispatcherA(table) ? 0 : 1;
}
