#include "messenger/browser/browser_platform.h"

namespace kivet {

BrowserPlatform BrowserPlatformFor(const OsVersion& version)
{
    BrowserPlatform platform;
    if (!version.queried) return platform;
    switch (version.platform) {
    case kPlatformWin32s:
    case kPlatformWindows9x:
        platform.retrievesNames = true;
        break;
    case kPlatformWindowsNT:
        platform.retrievesNames = true;
        platform.registersNames = true;
        platform.rescansAdapters = version.major > 5 || (version.major == 5 && version.minor >= 1);
        break;
    default:
        break;
    }
    return platform;
}

} // namespace kivet
