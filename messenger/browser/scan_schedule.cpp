#include "messenger/browser/scan_schedule.h"

namespace kivet {

StartupScanPlan PlanStartupScan(bool autoScan)
{
    StartupScanPlan plan;
    plan.startScanAndTimer = autoScan;
    plan.retrieveDomainsOnce = !autoScan;
    return plan;
}

bool ScanSchedule::OnMinute(uint32_t scanDelay, bool scanRunning)
{
    if (minutes_ > scanDelay && !scanRunning) {
        minutes_ = 0;
        return true;
    }
    // Held at its top while a scan never ends, instead of starting over from 0.
    if (minutes_ < UINT16_MAX) ++minutes_;
    return false;
}

} // namespace kivet
