// When network scans run. With AutoScan on, the main window starts a scan and the minute timer
// (timer 2000) at start-up; each tick then counts a minute and starts a scan once the count has
// passed ScanDelay, so scans start every ScanDelay + 2 minutes. With AutoScan off no scan runs
// until the user asks for one, and the start-up worker retrieves the domain list once instead.
#pragma once

#include <cstdint>

namespace kivet {

struct StartupScanPlan {
    bool startScanAndTimer = false; // the main window: one scan now and the minute timer
    bool retrieveDomainsOnce = false; // the start-up worker: the domains, without computers
};

StartupScanPlan PlanStartupScan(bool autoScan);

class ScanSchedule {
public:
    // Clears the scan-minute counter (start-up).
    void Reset() { minutes_ = 0; }
    // One tick of the minute timer: true when a scan should start now (the counter is then 0).
    // While a scan runs the counter keeps counting and the next tick starts the scan instead.
    bool OnMinute(uint32_t scanDelay, bool scanRunning);
    uint16_t Minutes() const { return minutes_; }

private:
    uint16_t minutes_ = 0;
};

} // namespace kivet
