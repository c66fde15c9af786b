#include "messenger/app/logon_name.h"

#include <windows.h>

namespace kivet {

std::string SystemLogonName()
{
    char name[256] = {};
    DWORD size = sizeof name;
    if (!GetUserNameA(name, &size)) return std::string();
    return name;
}

} // namespace kivet
