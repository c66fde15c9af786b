#include "messenger/options/scan_intervals.h"

namespace kivet {
namespace {

const ScanInterval kIntervals[kScanIntervalCount] = {
    {15, "15 minutes"}, {20, "20 minutes"}, {30, "30 minutes"}, {45, "45 minutes"},
    {60, "1 hour"},     {120, "2 hours"},   {180, "3 hours"},
};

} // namespace

const ScanInterval& ScanIntervalAt(std::size_t index)
{
    return kIntervals[index < kScanIntervalCount ? index : 0];
}

std::size_t ScanIntervalIndex(uint32_t minutes)
{
    for (std::size_t i = 0; i < kScanIntervalCount; ++i)
        if (kIntervals[i].minutes == minutes) return i;
    return 0;
}

uint32_t ScanIntervalMinutes(long index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= kScanIntervalCount) return kIntervals[0].minutes;
    return kIntervals[index].minutes;
}

} // namespace kivet
