#include "messenger/browser/network_browser.h"

#include <algorithm>
#include <system_error>

#include "common/fixed_text.h"
#include "messenger/browser/adapter_status_names.h"
#include "messenger/browser/browser_shared.h"
#include "messenger/browser/local_identity.h"
#include "messenger/browser/name_checks.h"
#include "messenger/browser/scan_display.h"

namespace kivet {

NetworkBrowser::NetworkBrowser(BrowserSeams seams, BrowserPlatform platform)
    : shared_(std::make_shared<Shared>(std::move(seams), platform))
{
}

NetworkBrowser::~NetworkBrowser()
{
    StopScan();
}

bool NetworkBrowser::EnumerateAdapters()
{
    NetworkState fresh = shared_->IdentityCopy();
    if (!kivet::EnumerateAdapters(fresh, shared_->netbios)) return false;
    std::lock_guard<std::mutex> guard(shared_->lock);
    std::copy(std::begin(fresh.adapterList), std::end(fresh.adapterList), shared_->identity.adapterList);
    shared_->identity.adapter = fresh.adapter;
    return true;
}

void NetworkBrowser::RunStartupWork(bool autoScan, const std::vector<std::string>& quickList)
{
    shared_->RefreshIdentity(false);
    RefreshQuickListStatus(quickList);
    if (PlanStartupScan(autoScan).retrieveDomainsOnce) shared_->PublishRetrieval(shared_->Retrieve(false));
}

bool NetworkBrowser::StartScan(std::vector<std::string> quickList)
{
    if (shared_->scanRunning.exchange(true)) return false;
    if (scanThread_.joinable()) scanThread_.join(); // the last scan has ended: its flag was clear
    run_ = std::make_shared<ScanRun>();
    try {
        scanThread_ = std::thread(RunNetworkScan, shared_, run_, std::move(quickList));
    } catch (const std::system_error&) {
        shared_->scanRunning.store(false);
        return false;
    }
    return true;
}

bool NetworkBrowser::ScanRunning() const
{
    return shared_->scanRunning.load();
}

void NetworkBrowser::StopScan(unsigned waitMilliseconds)
{
    if (!scanThread_.joinable()) return;
    run_->stopRequested.store(true);
    {
        std::lock_guard<std::mutex> guard(run_->lock);
        if (run_->computers) run_->computers->Stop();
    }
    if (run_->finished.WaitFor(waitMilliseconds))
        scanThread_.join();
    else
        scanThread_.detach(); // inside a network call; it ends by itself and publishes nothing
}

bool NetworkBrowser::OnScanMinute(uint32_t scanDelay, const std::function<std::vector<std::string>()>& quickList)
{
    if (!schedule_.OnMinute(scanDelay, ScanRunning())) return false;
    return StartScan(quickList ? quickList() : std::vector<std::string>());
}

void NetworkBrowser::ResetScanSchedule()
{
    schedule_.Reset();
}

void NetworkBrowser::SetScanObserver(std::shared_ptr<ScanObserver> observer)
{
    std::lock_guard<std::mutex> guard(shared_->lock);
    shared_->observer = std::move(observer);
}

NetworkState NetworkBrowser::Identity() const
{
    return shared_->IdentityCopy();
}

std::shared_ptr<const ScanTables> NetworkBrowser::Tables() const
{
    return shared_->CurrentTables();
}

std::vector<QuickListStatus> NetworkBrowser::QuickListStatuses() const
{
    std::lock_guard<std::mutex> guard(shared_->lock);
    return shared_->quickList;
}

std::string NetworkBrowser::ScanTime() const
{
    return shared_->ScanTimeCopy();
}

std::vector<StatusPart> NetworkBrowser::StatusFigures() const
{
    const std::shared_ptr<const ScanTables> tables = Tables();
    return FiguresStatus(tables->computers.size(), tables->users.size(), ScanTime());
}

std::vector<TreeItem> NetworkBrowser::TreeItems() const
{
    return TreeItemsOf(*Tables(), *shared_->seams.codec);
}

void NetworkBrowser::RefreshQuickListStatus(const std::vector<std::string>& names)
{
    std::vector<QuickListStatus> statuses = shared_->ResolveQuickListNames(names);
    ApplyScanStates(statuses, *Tables());
    std::lock_guard<std::mutex> guard(shared_->lock);
    shared_->quickList = std::move(statuses);
}

NetBios& NetworkBrowser::AdapterNetBios()
{
    return shared_->netbios;
}

std::optional<std::string> NetworkBrowser::ResolvedComputer(std::string_view name)
{
    ResolutionRecord record;
    if (!ResolveName(name, ResolveService::Messenger, record)) return std::nullopt;
    return std::string(FieldText(record.computerName));
}

std::optional<std::string> NetworkBrowser::ConfirmByAdapterStatus(std::string_view sender)
{
    std::string computer;
    if (!FindScanned(sender, computer)) return std::nullopt;
    kivet::AdapterStatus status;
    if (!shared_->resolver.QueryStatus(Identity().adapter, computer, status)) return std::nullopt;
    const TextCodec& codec = *shared_->seams.codec;
    const bool named = EqualsNoCase(computer, sender) || HoldsMessengerName(status, codec.AnsiToOem(codec.Upper(sender)));
    if (!named) return std::nullopt;
    return computer;
}

bool NetworkBrowser::IsDomain(std::string_view name)
{
    return kivet::IsDomain(name, KnownDomains(), LocalWorkgroup());
}

bool NetworkBrowser::IsLocal(std::string_view name)
{
    const NetworkState identity = Identity();
    return kivet::IsLocal(name, FieldText(identity.computerName), FieldText(identity.userName));
}

std::string NetworkBrowser::LocalUser()
{
    return std::string(FieldText(Identity().userName));
}

std::string NetworkBrowser::LocalComputer()
{
    return std::string(FieldText(Identity().computerName));
}

std::string NetworkBrowser::LocalWorkgroup()
{
    return std::string(FieldText(Identity().workgroupName));
}

std::vector<std::string> NetworkBrowser::KnownDomains()
{
    const std::shared_ptr<const ScanTables> tables = Tables();
    std::vector<std::string> names;
    names.reserve(tables->domains.size());
    for (const DomainEntry& domain : tables->domains)
        names.emplace_back(FieldText(domain.name));
    return names;
}

std::vector<std::string> NetworkBrowser::KnownComputers()
{
    const std::shared_ptr<const ScanTables> tables = Tables();
    std::vector<std::string> names;
    names.reserve(tables->computers.size());
    for (const ScannedComputer& computer : tables->computers)
        names.emplace_back(FieldText(computer.name));
    return names;
}

std::size_t NetworkBrowser::RetrieveComputers()
{
    ScanTables tables = shared_->Retrieve(true);
    const std::size_t count = tables.computers.size();
    shared_->PublishRetrieval(std::move(tables));
    return count;
}

bool NetworkBrowser::ResolveName(std::string_view name, ResolveService service, ResolutionRecord& record)
{
    return shared_->resolver.ResolveName(Identity().adapter, name, service, record);
}

bool NetworkBrowser::FindScanned(std::string_view name, std::string& computer)
{
    computer = ScannedComputerOf(*Tables(), name);
    return !computer.empty();
}

bool NetworkBrowser::AdapterStatus(std::string_view computer, ResolutionRecord& record)
{
    return shared_->resolver.AdapterStatus(Identity().adapter, computer, record);
}

} // namespace kivet
