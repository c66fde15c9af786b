#include "tests/core/netbios/engine_fakes.h"

#include <gtest/gtest.h>

#include "messenger/netbios/name_text.h"

namespace kivet::nbt::test {

NameServicePacket SentPacket::AsNameService() const
{
    NameServicePacket packet;
    EXPECT_TRUE(ParseNameServicePacket(bytes.data(), bytes.size(), packet));
    return packet;
}

DatagramPacket SentPacket::AsDatagram() const
{
    DatagramPacket packet;
    EXPECT_TRUE(ParseDatagramPacket(bytes.data(), bytes.size(), packet));
    return packet;
}

std::vector<SentPacket> RecordingSender::Take()
{
    std::vector<SentPacket> taken;
    taken.swap(sent);
    return taken;
}

EngineConfig TestConfig()
{
    EngineConfig config;
    config.localAddress = kOwnAddress;
    config.broadcastAddress = kBroadcast;
    config.mac = {0x02, 0x00, 0x5E, 0x10, 0x00, 0x01};
    return config;
}

NetBiosName Name(const char* text, uint8_t suffix)
{
    return *NameFromText(text, suffix);
}

std::vector<uint8_t> Bytes(std::string_view text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

} // namespace kivet::nbt::test
