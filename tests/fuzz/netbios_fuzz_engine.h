// An engine with the usual names registered, a sender that only counts and mailslots that
// check what they are given, for the NetBIOS fuzz targets.
#pragma once

#include <cstring>
#include <string>

#include "messenger/netbios/mailslot_path.h"
#include "messenger/netbios/name_text.h"
#include "messenger/netbios/nbt_engine.h"
#include "tests/fuzz/fuzz_input.h"

namespace kivet::nbt::fuzz {

class CountingSender final : public PacketSender {
public:
    void Send(uint16_t, uint32_t, uint16_t, const std::vector<uint8_t>& bytes) override
    {
        kivet::fuzz::Require(bytes.size() < 65536);
        ++sent;
    }
    std::size_t sent = 0;
};

// No component of a name handed over may lead out of the mailslot folder or name a drive.
inline bool IsPlainLeaf(std::string_view leaf)
{
    if (leaf.empty() || leaf.find(':') != std::string_view::npos || leaf.find('/') != std::string_view::npos)
        return false;
    for (;;) {
        const std::size_t slash = leaf.find('\\');
        const std::string_view component = leaf.substr(0, slash);
        if (component.empty() || component == "." || component == "..") return false;
        if (slash == std::string_view::npos) return true;
        leaf = leaf.substr(slash + 1);
    }
}

class CheckingMailslots final : public LocalMailslots {
public:
    bool Deliver(std::string_view leaf, const uint8_t* data, std::size_t size) override
    {
        kivet::fuzz::Require(IsPlainLeaf(leaf));
        volatile uint8_t sink = 0;
        for (std::size_t i = 0; i < size; ++i)
            sink = sink ^ data[i]; // every byte must be readable
        return true;
    }
};

struct FuzzEngine {
    FuzzEngine() : engine(Config(), sender, mailslots)
    {
        const char* names[][2] = {{"PC-07", "\x00"}, {"PC-07", "\x03"}, {"JSMITH", "\x03"}};
        for (const auto& name : names)
            engine.AddName(*NameFromText(name[0], static_cast<uint8_t>(name[1][0])), false, 0, [](uint8_t) {});
        engine.AddName(*NameFromText("OFFICE", 0x00), true, 0, [](uint8_t) {});
        engine.Tick(10000); // the registrations end unopposed
    }

    static EngineConfig Config()
    {
        EngineConfig config;
        config.localAddress = 0xC0A80A01;
        config.broadcastAddress = 0xC0A80AFF;
        config.broadcastSends = 1;
        return config;
    }

    CountingSender sender;
    CheckingMailslots mailslots;
    NbtEngine engine;
};

} // namespace kivet::nbt::fuzz
