// The Quick List names as the network answered for them: found by the name resolution or not,
// and their state in the scan tables.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "messenger/browser/scan_tables.h"

namespace kivet {

struct QuickListStatus {
    bool found = false; // the name resolution found the name
    char name[16] = {};
    uint8_t state = kScanOffline; // on line when found, or the scan's state when that says more
};

// One record per name, in order; `resolves` says whether the name is found on the network.
std::vector<QuickListStatus> ResolveQuickList(const std::vector<std::string>& names,
                                              const std::function<bool(std::string_view)>& resolves);

// Raises each state to the one the tables give the name (Auto-Reply mode says more than on line).
void ApplyScanStates(std::vector<QuickListStatus>& statuses, const ScanTables& tables);

} // namespace kivet
