// The scan thread: the local names again where the platform wants it, the domains and
// computers, the Quick List status, the workers over the computers, and at the end the new
// tables published whole and shown in the tree and the status bar.
#include "messenger/browser/browser_shared.h"

#include "common/fixed_text.h"
#include "messenger/browser/scan_display.h"
#include "messenger/runtime/action_log.h"

namespace kivet {
namespace {

using Shared = NetworkBrowser::Shared;
using ScanRun = NetworkBrowser::ScanRun;

// Runs the workers over the computers of `tables`; false when the scan was stopped.
bool ScanComputers(const std::shared_ptr<Shared>& owner, ScanRun& run, ScanTables& tables)
{
    Shared& shared = *owner;
    ComputerScanInputs inputs;
    inputs.netbios = shared.seams.netbios;
    const NetworkState identity = shared.IdentityCopy();
    inputs.lana = identity.adapter;
    inputs.codec = shared.seams.codec;
    inputs.probeMessenger = shared.seams.probeMessenger;
    inputs.localComputer = std::string(FieldText(identity.computerName));
    // Workers of a stopped scan may still report after the browser is gone: they keep it alive.
    inputs.onComputer = [self = owner](std::string_view computer) {
        const std::vector<StatusPart> parts = ScanningStatus(*self->seams.codec, computer);
        self->Notify([&](ScanObserver& observer) { observer.ShowStatus(parts); });
    };
    std::shared_ptr<ComputerScan> scan = ComputerScan::Create(std::move(tables), std::move(inputs));
    {
        std::lock_guard<std::mutex> guard(run.lock);
        run.computers = scan;
    }
    if (run.stopRequested.load()) scan->Stop();
    const bool finished = scan->Run();
    {
        std::lock_guard<std::mutex> guard(run.lock);
        run.computers.reset();
    }
    if (finished) tables = scan->TakeTables();
    return finished;
}

void ShowScanResult(Shared& shared, const ScanTables& tables)
{
    shared.seams.log->Write("Adding names to tree...");
    const std::vector<TreeItem> items = TreeItemsOf(tables, *shared.seams.codec);
    shared.Notify([&](ScanObserver& observer) { observer.InsertTreeItems(items); });
    shared.seams.log->Write("Adding names to tree complete.");
    const std::vector<StatusPart> figures =
        FiguresStatus(tables.computers.size(), tables.users.size(), shared.ScanTimeCopy());
    shared.Notify([&](ScanObserver& observer) { observer.ShowStatus(figures); });
}

// False when the scan was stopped before its end.
bool ScanNetwork(const std::shared_ptr<Shared>& owner, ScanRun& run, const std::vector<std::string>& quickList)
{
    Shared& shared = *owner;
    ActionWriter& log = *shared.seams.log;
    log.Write("Scanning users on network...");
    if (shared.platform.rescansAdapters) shared.RefreshIdentity(true);
    if (run.stopRequested.load()) return false;

    const std::vector<StatusPart> retrieving = RetrievingStatus();
    shared.Notify([&](ScanObserver& observer) { observer.ShowStatus(retrieving); });
    ScanTables tables = shared.Retrieve(true);
    if (run.stopRequested.load()) return false;

    std::vector<QuickListStatus> statuses = shared.ResolveQuickListNames(quickList);
    shared.Notify([](ScanObserver& observer) { observer.ClearTree(); });
    if (!ScanComputers(owner, run, tables)) return false;
    log.Write("Scanning users on network complete.");

    shared.PublishScan(tables, std::move(statuses));
    ShowScanResult(shared, tables);
    return true;
}

} // namespace

void RunNetworkScan(std::shared_ptr<Shared> shared, std::shared_ptr<ScanRun> run, std::vector<std::string> quickList)
{
    ScanNetwork(shared, *run, quickList);
    shared->scanRunning.store(false);
    run->finished.Set();
}

} // namespace kivet
