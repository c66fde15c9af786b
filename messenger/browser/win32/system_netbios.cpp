#include "messenger/browser/win32/system_netbios.h"

#include "messenger/browser/reset_once_netbios.h"
#include "messenger/browser/win32/win32_netbios.h"

namespace kivet {
namespace {

struct SystemNetBiosObjects {
    Win32NetBios system;
    ResetOnceNetBios resetOnce{system};
};

} // namespace

std::shared_ptr<NetBios> SystemNetBios()
{
    static const auto objects = std::make_shared<SystemNetBiosObjects>();
    return std::shared_ptr<NetBios>(objects, &objects->resetOnce);
}

} // namespace kivet
