// Inside the network browser: the state its methods and its scan thread share. A scan thread
// holds it alive, so an abandoned scan never writes into freed memory.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "messenger/browser/computer_scan.h"
#include "messenger/browser/manual_reset_event.h"
#include "messenger/browser/name_resolver.h"
#include "messenger/browser/network_browser.h"
#include "messenger/browser/reset_once_netbios.h"

namespace kivet {

struct NetworkBrowser::Shared {
    Shared(BrowserSeams s, BrowserPlatform p);

    NetworkState IdentityCopy() const;
    std::shared_ptr<const ScanTables> CurrentTables() const;
    std::shared_ptr<ScanObserver> Observer() const;
    std::string ScanTimeCopy() const;
    // Fills the local names (and registers them on the NT platform) on a copy of the identity
    // and publishes it whole; with `enumerate`, the adapters are enumerated again first.
    void RefreshIdentity(bool enumerate);
    // The domains and, withComputers, the computers of the network; empty tables where the
    // platform retrieves nothing.
    ScanTables Retrieve(bool withComputers);
    // Publishes a retrieval: its domains and computers replace the old ones, the users stay.
    void PublishRetrieval(ScanTables tables);
    // Publishes a finished scan whole, with its time and the Quick List status.
    void PublishScan(ScanTables tables, std::vector<QuickListStatus> statuses);
    std::vector<QuickListStatus> ResolveQuickListNames(const std::vector<std::string>& names);
    bool Resolves(std::string_view name);
    void Notify(const std::function<void(ScanObserver&)>& show);

    BrowserSeams seams;
    BrowserPlatform platform;
    ResetOnceNetBios netbios;
    NameResolver resolver;

    mutable std::mutex lock;
    NetworkState identity;
    std::shared_ptr<const ScanTables> tables;
    std::vector<QuickListStatus> quickList;
    std::string scanTime;
    std::shared_ptr<ScanObserver> observer;
    std::atomic<bool> scanRunning{false};
};

struct NetworkBrowser::ScanRun {
    std::atomic<bool> stopRequested{false};
    std::mutex lock;
    std::shared_ptr<ComputerScan> computers; // while the workers run
    ManualResetEvent finished;               // the scan thread has done its last step
};

// The scan thread's body.
void RunNetworkScan(std::shared_ptr<NetworkBrowser::Shared> shared, std::shared_ptr<NetworkBrowser::ScanRun> run,
                    std::vector<std::string> quickList);

} // namespace kivet
