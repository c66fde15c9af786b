#include "messenger/runtime/os_family.h"

#include <gtest/gtest.h>

namespace kivet {
namespace {

TEST(OsFamilyTable, EveryRow)
{
    struct Row {
        bool queried;
        uint32_t platform, major, minor;
        OsFamily expected;
    } rows[] = {
        {true, kPlatformWindows9x, 4, 0, kOsWin95},   {true, kPlatformWindows9x, 3, 95, kOsWin95},
        {true, kPlatformWindows9x, 4, 3, kOsWin95},   {true, kPlatformWindows9x, 4, 10, kOsWin98},
        {true, kPlatformWindows9x, 4, 90, kOsWinMe},  {true, kPlatformWindows9x, 5, 0, kOsWin98},
        {true, kPlatformWindows9x, 6, 90, kOsWin98},  {true, kPlatformWin32s, 3, 11, kOsWin98},
        {true, kPlatformWindowsNT, 3, 51, kOsWinNT4}, {true, kPlatformWindowsNT, 4, 0, kOsWinNT4},
        {true, kPlatformWindowsNT, 5, 0, kOsWin2000}, {true, kPlatformWindowsNT, 5, 1, kOsWinXP},
        {true, kPlatformWindowsNT, 5, 2, kOsOther},   {true, kPlatformWindowsNT, 6, 1, kOsOther},
        {true, kPlatformWindowsNT, 10, 0, kOsOther},  {true, 3, 5, 1, kOsOther},
        {false, kPlatformWindowsNT, 5, 1, kOsOther},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.platform << " " << r.major << "." << r.minor);
        EXPECT_EQ(OsFamilyFromVersion({r.queried, r.platform, r.major, r.minor}), r.expected);
    }
}

} // namespace
} // namespace kivet
