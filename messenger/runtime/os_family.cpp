#include "messenger/runtime/os_family.h"

#include <atomic>

namespace kivet {
namespace {
std::atomic<uint8_t> g_osFamily{kOsOther};

OsFamily Windows9xFamily(uint32_t major, uint32_t minor)
{
    if (major >= 5) return kOsWin98;
    if (major == 4 && minor == 10) return kOsWin98;
    if (major == 4 && minor == 90) return kOsWinMe;
    return kOsWin95;
}

OsFamily WindowsNtFamily(uint32_t major, uint32_t minor)
{
    if (major < 5) return kOsWinNT4;
    if (major == 5 && minor == 0) return kOsWin2000;
    if (major == 5 && minor == 1) return kOsWinXP;
    return kOsOther;
}
} // namespace

OsFamily OsFamilyFromVersion(const OsVersion& v)
{
    if (!v.queried) return kOsOther;
    switch (v.platform) {
    case kPlatformWin32s: return kOsWin98;
    case kPlatformWindows9x: return Windows9xFamily(v.major, v.minor);
    case kPlatformWindowsNT: return WindowsNtFamily(v.major, v.minor);
    default: return kOsOther;
    }
}

OsFamily CurrentOsFamily()
{
    return static_cast<OsFamily>(g_osFamily.load());
}
void SetCurrentOsFamily(OsFamily family)
{
    g_osFamily.store(family);
}

} // namespace kivet
