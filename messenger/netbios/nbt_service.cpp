#include "messenger/netbios/nbt_service.h"

#include <chrono>
#include <future>
#include <memory>

namespace kivet::nbt {
namespace {

constexpr int kReceiveWaitMs = 20;      // the longest a retransmission can be late
constexpr int64_t kStopGraceMs = 200;   // for the release packets to leave

} // namespace

int64_t SteadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

NbtService::NbtService(const EngineConfig& config, NbtSockets& sockets, LocalMailslots& mailslots, Clock clock)
    : config_(config), sockets_(sockets), clock_(std::move(clock)), engine_(config, sockets, mailslots)
{
}

NbtService::~NbtService()
{
    Stop();
}

void NbtService::Start()
{
    if (running_.exchange(true)) return;
    stopping_ = false;
    thread_ = std::thread([this] { Run(); });
}

void NbtService::Stop()
{
    if (!running_.load()) return;
    {
        std::lock_guard<std::mutex> guard(lock_);
        engine_.ReleaseAll();
    }
    stopping_ = true;
    if (thread_.joinable()) thread_.join();
    std::lock_guard<std::mutex> guard(lock_);
    engine_.AbandonRequests(); // waiting callers see their operation fail
    running_ = false;
}

void NbtService::Run()
{
    int64_t stopAt = -1;
    ReceivedPacket packet;
    for (;;) {
        if (stopping_.load() && stopAt < 0) stopAt = clock_() + kStopGraceMs;
        if (stopAt >= 0 && clock_() >= stopAt) break;
        const bool received = sockets_.Receive(kReceiveWaitMs, packet);
        std::lock_guard<std::mutex> guard(lock_);
        const int64_t now = clock_();
        if (received) Dispatch(packet, now);
        engine_.Tick(now);
    }
}

void NbtService::Dispatch(const ReceivedPacket& packet, int64_t nowMs)
{
    if (packet.localPort == config_.nameServicePort)
        engine_.OnNameServicePacket(packet.from, packet.fromPort, packet.bytes.data(), packet.bytes.size(), nowMs);
    else if (packet.localPort == config_.datagramPort)
        engine_.OnDatagramPacket(packet.from, packet.fromPort, packet.bytes.data(), packet.bytes.size(), nowMs);
}

template <typename Result, typename Begin> Result NbtService::Await(Result failed, Begin begin)
{
    auto promise = std::make_shared<std::promise<Result>>();
    std::future<Result> future = promise->get_future();
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (!running_.load() || stopping_.load()) return failed;
        begin(engine_, clock_(), [promise](Result result) { promise->set_value(std::move(result)); });
    }
    try {
        return future.get();
    } catch (const std::future_error&) {
        return failed; // the service stopped first
    }
}

uint8_t NbtService::AddName(const NetBiosName& name, bool group)
{
    return Await<uint8_t>(kNrcSystem, [&](NbtEngine& engine, int64_t now, auto finish) {
        engine.AddName(name, group, now, finish);
    });
}

std::vector<uint8_t> NbtService::AddNames(const std::vector<NameToAdd>& names)
{
    struct Batch {
        std::vector<uint8_t> results;
        std::size_t open = 0;
    };
    using Shared = std::shared_ptr<Batch>;
    Shared failed = std::make_shared<Batch>();
    failed->results.assign(names.size(), kNrcSystem);
    const Shared done = Await<Shared>(failed, [&](NbtEngine& engine, int64_t now, auto finish) {
        auto batch = std::make_shared<Batch>();
        batch->results.assign(names.size(), kNrcSystem);
        batch->open = names.size();
        if (names.empty()) finish(batch);
        for (std::size_t i = 0; i < names.size(); ++i) {
            engine.AddName(names[i].name, names[i].group, now, [batch, i, finish](uint8_t nrc) {
                batch->results[i] = nrc;
                if (--batch->open == 0) finish(batch);
            });
        }
    });
    return done->results;
}

uint8_t NbtService::DeleteName(const NetBiosName& name)
{
    std::lock_guard<std::mutex> guard(lock_);
    if (!running_.load()) return kNrcSystem;
    return engine_.DeleteName(name);
}

uint8_t NbtService::FindName(const NetBiosName& name, uint32_t& address)
{
    using Found = std::pair<uint8_t, uint32_t>;
    const Found found = Await<Found>(Found{kNrcSystem, 0}, [&](NbtEngine& engine, int64_t now, auto finish) {
        engine.FindName(name, now, [finish](uint8_t nrc, uint32_t at) { finish(Found{nrc, at}); });
    });
    address = found.second;
    return found.first;
}

uint8_t NbtService::QueryAdapterStatus(const NetBiosName& callName, AdapterStatus& status)
{
    using Answer = std::pair<uint8_t, AdapterStatus>;
    Answer answer = Await<Answer>(Answer{kNrcSystem, {}}, [&](NbtEngine& engine, int64_t now, auto finish) {
        engine.QueryAdapterStatus(callName, now,
                                  [finish](uint8_t nrc, const AdapterStatus& got) { finish(Answer{nrc, got}); });
    });
    status = std::move(answer.second);
    return answer.first;
}

Discovery NbtService::Discover()
{
    return Await<Discovery>(Discovery{}, [&](NbtEngine& engine, int64_t now, auto finish) {
        engine.Discover(now, finish);
    });
}

bool NbtService::SendMailslot(std::string_view target, std::string_view path, const uint8_t* data, std::size_t size)
{
    return Await<bool>(false, [&](NbtEngine& engine, int64_t now, auto finish) {
        engine.SendMailslot(target, path, data, size, now, finish);
    });
}

EngineCounters NbtService::Counters()
{
    std::lock_guard<std::mutex> guard(lock_);
    return engine_.Counters();
}

} // namespace kivet::nbt
