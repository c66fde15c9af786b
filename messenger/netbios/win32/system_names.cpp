#include "messenger/netbios/win32/system_names.h"

#include <windows.h>
#include <lm.h>

#include "messenger/netbios/program_names.h"

namespace kivet::nbt {
namespace {

constexpr int kLongestName = 15;

} // namespace

std::string SystemWorkgroupName(std::string_view computer)
{
    WKSTA_INFO_100* info = nullptr;
    std::string name;
    if (NetWkstaGetInfo(nullptr, 100, reinterpret_cast<LPBYTE*>(&info)) == NERR_Success && info &&
        info->wki100_langroup) {
        char ansi[64] = {};
        WideCharToMultiByte(CP_ACP, 0, info->wki100_langroup, -1, ansi, sizeof ansi - 1, nullptr, nullptr);
        name.assign(ansi, strnlen(ansi, kLongestName));
    }
    if (info) NetApiBufferFree(info);
    if (!name.empty()) CharUpperBuffA(&name[0], static_cast<DWORD>(name.size()));
    return WorkgroupToRegister(name, computer);
}

} // namespace kivet::nbt
