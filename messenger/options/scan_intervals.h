// The choices of the Settings page's scan interval list.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kivet {

constexpr std::size_t kScanIntervalCount = 7;

struct ScanInterval {
    uint32_t minutes;
    const char* label; // "15 minutes" ... "3 hours"
};

const ScanInterval& ScanIntervalAt(std::size_t index);

// The list position that shows a stored interval; a value outside the list shows "15 minutes".
std::size_t ScanIntervalIndex(uint32_t minutes);

// The minutes of a list position; anything that is not a position of the list (no selection)
// saves 15.
uint32_t ScanIntervalMinutes(long index);

} // namespace kivet
