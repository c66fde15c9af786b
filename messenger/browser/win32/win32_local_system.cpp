#include "messenger/browser/win32/win32_local_system.h"

#include <windows.h>

namespace kivet {

std::string Win32LocalSystem::ComputerName()
{
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    return GetComputerNameA(name, &size) ? std::string(name) : std::string();
}

std::string Win32LocalSystem::LogonName()
{
    char name[257] = {};
    DWORD size = sizeof name;
    return GetUserNameA(name, &size) ? std::string(name) : std::string();
}

} // namespace kivet
