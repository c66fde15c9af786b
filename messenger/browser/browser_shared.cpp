#include "messenger/browser/browser_shared.h"

#include "common/fixed_text.h"
#include "messenger/browser/local_identity.h"
#include "messenger/browser/names_retrieval.h"

namespace kivet {
namespace {

std::string ScanTimeText(const std::tm& now)
{
    char text[16] = {};
    std::strftime(text, sizeof text, "%H:%M:%S", &now);
    return text;
}

void SetCounts(NetworkState& identity, const ScanTables& tables)
{
    identity.domainsCount = static_cast<uint16_t>(tables.domains.size());
    identity.computersCount = static_cast<uint16_t>(tables.computers.size());
    identity.usersCount = static_cast<uint16_t>(tables.users.size());
}

} // namespace

NetworkBrowser::Shared::Shared(BrowserSeams s, BrowserPlatform p)
    : seams(std::move(s)), platform(p), netbios(*seams.netbios),
      resolver(netbios, *seams.hosts, *seams.codec, *seams.log), tables(std::make_shared<ScanTables>())
{
}

NetworkState NetworkBrowser::Shared::IdentityCopy() const
{
    std::lock_guard<std::mutex> guard(lock);
    return identity;
}

std::shared_ptr<const ScanTables> NetworkBrowser::Shared::CurrentTables() const
{
    std::lock_guard<std::mutex> guard(lock);
    return tables;
}

std::string NetworkBrowser::Shared::ScanTimeCopy() const
{
    std::lock_guard<std::mutex> guard(lock);
    return scanTime;
}

std::shared_ptr<ScanObserver> NetworkBrowser::Shared::Observer() const
{
    std::lock_guard<std::mutex> guard(lock);
    return observer;
}

void NetworkBrowser::Shared::Notify(const std::function<void(ScanObserver&)>& show)
{
    // Called without the lock: the window may call back into the browser.
    if (std::shared_ptr<ScanObserver> current = Observer()) show(*current);
}

void NetworkBrowser::Shared::RefreshIdentity(bool enumerate)
{
    NetworkState fresh = IdentityCopy();
    if (enumerate) kivet::EnumerateAdapters(fresh, netbios);
    kivet::FillLocalNames(fresh, netbios, *seams.system, *seams.codec);
    if (platform.registersNames) kivet::RegisterLocalNames(fresh, netbios, *seams.codec);
    std::lock_guard<std::mutex> guard(lock);
    // The counts belong to the tables, which may have changed meanwhile.
    fresh.usersCount = identity.usersCount;
    fresh.computersCount = identity.computersCount;
    fresh.domainsCount = identity.domainsCount;
    identity = fresh;
}

ScanTables NetworkBrowser::Shared::Retrieve(bool withComputers)
{
    if (!platform.retrievesNames) return ScanTables{};
    return RetrieveNames(*seams.provider, *seams.codec, *seams.log, withComputers);
}

void NetworkBrowser::Shared::PublishRetrieval(ScanTables fresh)
{
    std::lock_guard<std::mutex> guard(lock);
    fresh.users = tables->users;
    auto published = std::make_shared<const ScanTables>(std::move(fresh));
    SetCounts(identity, *published);
    tables = std::move(published);
}

void NetworkBrowser::Shared::PublishScan(ScanTables fresh, std::vector<QuickListStatus> statuses)
{
    ApplyScanStates(statuses, fresh);
    const std::string time = seams.clock ? ScanTimeText(seams.clock()) : std::string();
    auto published = std::make_shared<const ScanTables>(std::move(fresh));
    std::lock_guard<std::mutex> guard(lock);
    SetCounts(identity, *published);
    tables = std::move(published);
    quickList = std::move(statuses);
    scanTime = time;
}

std::vector<QuickListStatus> NetworkBrowser::Shared::ResolveQuickListNames(const std::vector<std::string>& names)
{
    return ResolveQuickList(names, [this](std::string_view name) { return Resolves(name); });
}

bool NetworkBrowser::Shared::Resolves(std::string_view name)
{
    ResolutionRecord record;
    return resolver.ResolveName(IdentityCopy().adapter, name, ResolveService::Messenger, record);
}

} // namespace kivet
