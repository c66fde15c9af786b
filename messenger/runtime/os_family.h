// The Windows family the program runs on, as a small code read by the mailslot set-up and the
// Messenger service takeover.
#pragma once

#include <cstdint>

namespace kivet {

enum OsFamily : uint8_t {
    kOsOther = 0, // NT 5.2 and later, unknown platform, or the version query failed
    kOsWin95 = 1,
    kOsWin98 = 2, // also Win32s, and a 9x platform reporting major version 5 or more
    kOsWinMe = 3,
    kOsWinNT4 = 4, // NT 4.0 or older
    kOsWin2000 = 5,
    kOsWinXP = 6,
};

// The platform ids of the system's version record.
enum OsPlatform : uint32_t {
    kPlatformWin32s = 0,
    kPlatformWindows9x = 1,
    kPlatformWindowsNT = 2,
};

struct OsVersion {
    bool queried = false; // false when the system answered neither version query
    uint32_t platform = 0;
    uint32_t major = 0;
    uint32_t minor = 0;
};

OsFamily OsFamilyFromVersion(const OsVersion& v);

// Process-wide code, set once before the start-up worker runs.
OsFamily CurrentOsFamily();
void SetCurrentOsFamily(OsFamily family);

} // namespace kivet
