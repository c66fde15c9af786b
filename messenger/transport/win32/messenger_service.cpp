#include "messenger/transport/win32/messenger_service.h"

#include <windows.h>

namespace kivet {
namespace {

const char kServiceName[] = "Messenger";

// A service control manager handle, closed when it goes out of scope.
class ServiceHandle {
public:
    explicit ServiceHandle(SC_HANDLE handle) : handle_(handle) {}
    ~ServiceHandle()
    {
        if (handle_) CloseServiceHandle(handle_);
    }
    ServiceHandle(const ServiceHandle&) = delete;
    ServiceHandle& operator=(const ServiceHandle&) = delete;
    SC_HANDLE get() const { return handle_; }

private:
    SC_HANDLE handle_;
};

} // namespace

bool IsMessengerServiceRunning()
{
    ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager.get()) return false;
    ServiceHandle service(OpenServiceA(manager.get(), kServiceName, SERVICE_QUERY_STATUS));
    SERVICE_STATUS status{};
    return service.get() && QueryServiceStatus(service.get(), &status) && status.dwCurrentState == SERVICE_RUNNING;
}

void StopMessengerService()
{
    ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager.get()) return;
    ServiceHandle service(OpenServiceA(manager.get(), kServiceName, SERVICE_CHANGE_CONFIG | SERVICE_STOP));
    if (!service.get()) return;
    ChangeServiceConfigA(service.get(), SERVICE_NO_CHANGE, SERVICE_DISABLED, SERVICE_NO_CHANGE, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr, nullptr);
    SERVICE_STATUS status{};
    ControlService(service.get(), SERVICE_CONTROL_STOP, &status);
}

} // namespace kivet
