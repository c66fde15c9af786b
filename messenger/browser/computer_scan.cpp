#include "messenger/browser/computer_scan.h"

#include <algorithm>
#include <system_error>

#include "common/fixed_text.h"
#include "messenger/browser/adapter_status_names.h"

namespace kivet {

std::shared_ptr<ComputerScan> ComputerScan::Create(ScanTables tables, ComputerScanInputs inputs)
{
    return std::shared_ptr<ComputerScan>(new ComputerScan(std::move(tables), std::move(inputs)));
}

ComputerScan::ComputerScan(ScanTables tables, ComputerScanInputs inputs)
    : tables_(std::move(tables)), inputs_(std::move(inputs)), usersByComputer_(tables_.computers.size()),
      workerCount_(tables_.computers.size() / kSliceSize + 1)
{
}

bool ComputerScan::Run()
{
    for (std::size_t worker = 0; worker < workerCount_; ++worker) {
        if (done_.IsSet()) break;
        try {
            // The worker holds the scan alive: after a stop it may outlive the caller.
            workers_.emplace_back([self = shared_from_this(), worker] { self->ScanSlice(worker); });
        } catch (const std::system_error&) {
            ScanSlice(worker); // no thread to be had: this slice is scanned here
        }
    }
    done_.Wait();
    if (stopped_.load()) {
        for (std::thread& worker : workers_)
            worker.detach();
        workers_.clear();
        return false;
    }
    for (std::thread& worker : workers_)
        worker.join();
    workers_.clear();
    return true;
}

void ComputerScan::Stop()
{
    stopped_.store(true);
    done_.Set();
}

ScanTables ComputerScan::TakeTables()
{
    for (std::vector<ScannedUser>& users : usersByComputer_)
        tables_.users.insert(tables_.users.end(), users.begin(), users.end());
    usersByComputer_.clear();
    return std::move(tables_);
}

void ComputerScan::ScanSlice(std::size_t worker)
{
    const std::size_t first = worker * kSliceSize;
    const std::size_t end = std::min(first + kSliceSize, tables_.computers.size());
    for (std::size_t index = first; index < end; ++index) {
        if (done_.IsSet()) return;
        ScanComputer(index);
    }
    WorkerFinished();
}

void ComputerScan::ScanComputer(std::size_t index)
{
    ScannedComputer& computer = tables_.computers[index];
    const std::string_view name = FieldText(computer.name);
    if (inputs_.onComputer) inputs_.onComputer(name);

    const TextCodec& codec = *inputs_.codec;
    const std::string oem = codec.AnsiToOem(name);
    AdapterStatus status;
    if (inputs_.netbios->QueryAdapterStatus(inputs_.lana, MakeNetBiosName(oem.c_str(), ' '), status) !=
        kNrcGoodReturn)
        return; // no answer: stays off line

    computer.state = HasAutoReplyMark(status) ? kScanAutoReply : kScanOnline;
    if (inputs_.probeMessenger && name != inputs_.localComputer && inputs_.probeMessenger(name))
        computer.runsMessenger = 1;
    for (const std::string& userOem : LoggedOnUsersOf(status, oem)) {
        if (!ReserveUser()) break;
        ScannedUser user{};
        CopyCut(user.name, codec.Upper(codec.OemToAnsi(userOem)));
        CopyCut(user.computer, name);
        user.domainIndex = computer.domainIndex;
        user.state = computer.state;
        usersByComputer_[index].push_back(user);
    }
}

// Counts one user against the table's capacity; false when it is full.
bool ComputerScan::ReserveUser()
{
    uint16_t count = usersCount_.load();
    while (count < kMaxUsers) {
        if (usersCount_.compare_exchange_weak(count, static_cast<uint16_t>(count + 1))) return true;
    }
    return false;
}

void ComputerScan::WorkerFinished()
{
    if (finishedWorkers_.fetch_add(1) + 1u == workerCount_) done_.Set();
}

} // namespace kivet
