#include "messenger/browser/quick_list_status.h"

#include <algorithm>

#include "common/fixed_text.h"

namespace kivet {

std::vector<QuickListStatus> ResolveQuickList(const std::vector<std::string>& names,
                                              const std::function<bool(std::string_view)>& resolves)
{
    std::vector<QuickListStatus> statuses;
    statuses.reserve(names.size());
    for (const std::string& name : names) {
        QuickListStatus status;
        CopyCut(status.name, name);
        status.found = resolves(FieldText(status.name));
        status.state = status.found ? kScanOnline : kScanOffline;
        statuses.push_back(status);
    }
    return statuses;
}

void ApplyScanStates(std::vector<QuickListStatus>& statuses, const ScanTables& tables)
{
    for (QuickListStatus& status : statuses)
        status.state = std::max(status.state, ScannedStateOf(tables, FieldText(status.name)));
}

} // namespace kivet
