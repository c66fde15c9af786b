// The worker part of a network scan: one worker thread per slice of ten computers asks each
// computer for its adapter status, marks it on line (or in Auto-Reply mode) and collects the
// users logged on at it. The workers count themselves out with atomic counters; the last one
// signals a manual-reset event that the scan thread waits for. A stop signals the same event:
// the workers end after the computer they are asking, and their results are dropped.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <thread>
#include <vector>

#include "common/text_codec.h"
#include "messenger/browser/manual_reset_event.h"
#include "messenger/browser/netbios.h"
#include "messenger/browser/scan_tables.h"

namespace kivet {

struct ComputerScanInputs {
    std::shared_ptr<NetBios> netbios;
    uint8_t lana = 0;
    const TextCodec* codec = nullptr;
    // Called from the workers before each computer is asked (the status bar's progress).
    std::function<void(std::string_view computer)> onComputer;
    // Whether a computer that answered runs the messenger (its secure server takes a connection);
    // not asked for the local computer. Optional.
    std::function<bool(std::string_view computer)> probeMessenger;
    std::string localComputer; // upper-case
};

class ComputerScan : public std::enable_shared_from_this<ComputerScan> {
public:
    static constexpr std::size_t kSliceSize = 10;

    static std::shared_ptr<ComputerScan> Create(ScanTables tables, ComputerScanInputs inputs);

    // Workers 0 ... n / 10, worker i scanning computers 10 i to 10 i + 9 (the last one up to
    // n - 1). Starts them and waits; true when every worker finished, false when stopped.
    bool Run();
    // From any thread, also before Run.
    void Stop();

    std::size_t WorkerCount() const { return workerCount_; }
    uint16_t UsersCount() const { return usersCount_.load(); }
    // After Run returned true: the computers' states and the users, in computer order.
    ScanTables TakeTables();

private:
    ComputerScan(ScanTables tables, ComputerScanInputs inputs);
    void ScanSlice(std::size_t worker);
    void ScanComputer(std::size_t index);
    void WorkerFinished();
    bool ReserveUser();

    ScanTables tables_;
    ComputerScanInputs inputs_;
    std::vector<std::vector<ScannedUser>> usersByComputer_;
    std::size_t workerCount_;
    std::atomic<uint16_t> usersCount_{0};
    std::atomic<uint16_t> finishedWorkers_{0};
    std::atomic<bool> stopped_{false};
    ManualResetEvent done_;
    std::vector<std::thread> workers_;
};

} // namespace kivet
