// The NetBIOS engine on its own thread: packets from the sockets and the clock drive it, and
// callers on other threads use it through blocking calls (each waits for its operation's end,
// as the Netbios() commands do). One mutex guards the engine.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "messenger/browser/netbios.h"
#include "messenger/netbios/nbt_engine.h"
#include "messenger/netbios/nbt_sockets.h"

namespace kivet::nbt {

// Milliseconds of a monotonic clock.
int64_t SteadyMilliseconds();

struct NameToAdd {
    NetBiosName name{};
    bool group = false;
};

class NbtService {
public:
    using Clock = std::function<int64_t()>;

    NbtService(const EngineConfig& config, NbtSockets& sockets, LocalMailslots& mailslots,
               Clock clock = SteadyMilliseconds);
    ~NbtService();
    NbtService(const NbtService&) = delete;
    NbtService& operator=(const NbtService&) = delete;

    void Start();
    // Releases every name, lets the release packets go and ends the thread; calls still
    // waiting return as failed (kNrcSystem, false, empty results).
    void Stop();
    bool IsRunning() const { return running_.load(); }

    uint8_t AddName(const NetBiosName& name, bool group);
    // Several names registered side by side (start-up), one NRC per name in order.
    std::vector<uint8_t> AddNames(const std::vector<NameToAdd>& names);
    uint8_t DeleteName(const NetBiosName& name);
    uint8_t FindName(const NetBiosName& name, uint32_t& address);
    uint8_t QueryAdapterStatus(const NetBiosName& callName, AdapterStatus& status);
    Discovery Discover();
    bool SendMailslot(std::string_view target, std::string_view path, const uint8_t* data, std::size_t size);

    EngineCounters Counters();
    int64_t NowMs() const { return clock_(); }

private:
    void Run();
    void Dispatch(const ReceivedPacket& packet, int64_t nowMs);
    // Runs begin(engine, now, finish) under the lock and waits for finish(result).
    template <typename Result, typename Begin> Result Await(Result failed, Begin begin);

    EngineConfig config_;
    NbtSockets& sockets_;
    Clock clock_;
    std::mutex lock_;
    NbtEngine engine_;
    std::thread thread_;
    std::atomic<bool> running_{false};
    std::atomic<bool> stopping_{false};
};

} // namespace kivet::nbt
