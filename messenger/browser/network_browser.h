// The network browser as the rest of the program sees it: the local identity, the tables of the
// last retrieval and scan, the scans on their threads, and name look-ups (NetworkDirectory).
// Created once at start-up with its seams and kept for the whole run; every method may be called
// from any thread unless its comment says otherwise.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "common/text_codec.h"
#include "messenger/browser/browser_platform.h"
#include "messenger/browser/host_lookup.h"
#include "messenger/browser/local_system.h"
#include "messenger/browser/name_resolution.h"
#include "messenger/browser/netbios.h"
#include "messenger/browser/network_provider.h"
#include "messenger/browser/network_state.h"
#include "messenger/browser/quick_list_status.h"
#include "messenger/browser/scan_observer.h"
#include "messenger/browser/scan_schedule.h"
#include "messenger/browser/scan_tables.h"

namespace kivet {

class ActionWriter;

struct BrowserSeams {
    std::shared_ptr<NetBios> netbios; // the system's Netbios() or the program's own NetBIOS over TCP/IP
    std::shared_ptr<NetworkProvider> provider;
    std::shared_ptr<HostLookup> hosts;
    std::shared_ptr<LocalSystem> system;
    const TextCodec* codec = nullptr; // lives for the whole run
    ActionWriter* log = nullptr;      // lives for the whole run
    std::function<std::tm()> clock;   // local time, for the time of the last scan
    // Whether a computer runs the messenger, asked by the scan for each computer that answers
    // (the secure server's probe). Optional.
    std::function<bool(std::string_view computer)> probeMessenger;
};

class NetworkBrowser : public NetworkDirectory {
public:
    NetworkBrowser(BrowserSeams seams, BrowserPlatform platform);
    // Abandons a running scan (see StopScan).
    ~NetworkBrowser() override;
    NetworkBrowser(const NetworkBrowser&) = delete;
    NetworkBrowser& operator=(const NetworkBrowser&) = delete;

    // Start-up, before the start-up worker: NCBENUM into the adapter list. False when NetBIOS
    // has no adapters to offer (the program then cannot run).
    bool EnumerateAdapters();
    // The start-up worker's work: the local names (registered on the NT platform), the Quick
    // List status and, without AutoScan, the domain list once.
    void RunStartupWork(bool autoScan, const std::vector<std::string>& quickList);

    // Starts a scan on a thread of its own; false when one is running. Main thread.
    bool StartScan(std::vector<std::string> quickList);
    bool ScanRunning() const;
    // Stops a running scan whatever it is doing: its workers end after the computer they are
    // asking and nothing of it is published. Waits at most `waitMilliseconds` for the scan's
    // thread; a thread still inside a network call then finishes on its own. Main thread.
    void StopScan(unsigned waitMilliseconds = 200);

    // One tick of the minute timer (2000): starts a scan when the schedule says so, with the
    // Quick List names `quickList` gives at that moment. Main thread.
    bool OnScanMinute(uint32_t scanDelay, const std::function<std::vector<std::string>()>& quickList);
    // Clears the scan-minute counter (when the timer starts). Main thread.
    void ResetScanSchedule();

    // The window that shows the scan (the send dialog) while it is open; null when it closes.
    void SetScanObserver(std::shared_ptr<ScanObserver> observer);

    NetworkState Identity() const;
    std::shared_ptr<const ScanTables> Tables() const;
    std::vector<QuickListStatus> QuickListStatuses() const;
    std::string ScanTime() const; // "%H:%M:%S" of the last scan's end, empty before it
    // The status bar's scan figures and the tree items of the last scan, for a window that opens
    // or refreshes between scans.
    std::vector<StatusPart> StatusFigures() const;
    std::vector<TreeItem> TreeItems() const;
    // Resolves each name again and keeps the result as the Quick List status.
    void RefreshQuickListStatus(const std::vector<std::string>& names);

    // The NetBIOS commands with the once-only adapter reset; other users of the adapter (the
    // away name) go through this.
    NetBios& AdapterNetBios();

    // For automatic answers: the computer the name resolution finds for a name.
    std::optional<std::string> ResolvedComputer(std::string_view name);
    // For automatic answers to a sender the name resolution did not find: its computer in the
    // scanned tables, when that computer's adapter status names the sender.
    std::optional<std::string> ConfirmByAdapterStatus(std::string_view sender);

    bool IsDomain(std::string_view name);
    bool IsLocal(std::string_view name);

    // NetworkDirectory
    std::string LocalUser() override;
    std::string LocalComputer() override;
    std::string LocalWorkgroup() override;
    std::vector<std::string> KnownDomains() override;
    std::vector<std::string> KnownComputers() override;
    std::size_t RetrieveComputers() override;
    bool ResolveName(std::string_view name, ResolveService service, ResolutionRecord& record) override;
    bool FindScanned(std::string_view name, std::string& computer) override;
    bool AdapterStatus(std::string_view computer, ResolutionRecord& record) override;

    struct Shared;
    struct ScanRun;

private:
    std::shared_ptr<Shared> shared_;
    std::shared_ptr<ScanRun> run_; // the last scan started
    std::thread scanThread_;
    ScanSchedule schedule_;
};

} // namespace kivet
