// An engine with recording doubles and a clock the test moves.
#pragma once

#include <optional>

#include "messenger/netbios/name_service_messages.h"
#include "messenger/netbios/nbt_engine.h"
#include "tests/core/netbios/engine_fakes.h"

namespace kivet::nbt::test {

struct EngineHarness {
    explicit EngineHarness(EngineConfig config = TestConfig()) : engine(config, sender, mailslots) {}

    // Moves the clock in steps of 50 ms, ticking the engine at each.
    void Advance(int64_t ms)
    {
        const int64_t end = now + ms;
        while (now < end) {
            now = std::min(end, now + 50);
            engine.Tick(now);
        }
    }

    // Adds the name and lets its registration run to its end; the NRC.
    uint8_t Register(const NetBiosName& name, bool group)
    {
        std::optional<uint8_t> result;
        engine.AddName(name, group, now, [&](uint8_t nrc) { result = nrc; });
        Advance(3000);
        sender.Take();
        return result.value_or(0xFF);
    }

    void FromPeer(const NameServicePacket& packet, uint32_t from = kPeerAddress, uint16_t port = 137)
    {
        const auto bytes = BuildNameServicePacket(packet);
        engine.OnNameServicePacket(from, port, bytes.data(), bytes.size(), now);
    }

    void DatagramFromPeer(const DatagramPacket& packet, uint32_t from = kPeerAddress, uint16_t port = 138)
    {
        const auto bytes = BuildDatagramPacket(packet);
        engine.OnDatagramPacket(from, port, bytes.data(), bytes.size(), now);
    }

    RecordingSender sender;
    RecordingMailslots mailslots;
    NbtEngine engine;
    int64_t now = 0;
};

} // namespace kivet::nbt::test
