// How fast our NetBIOS reads packets natively: name service packets, datagrams, the mailslot
// transaction inside them, and whole datagrams through the engine into a mailslot.
//   nbt_parse_bench [seconds per measurement]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "messenger/netbios/datagram_packet.h"
#include "messenger/netbios/mailslot_transaction.h"
#include "messenger/netbios/name_service_messages.h"
#include "messenger/netbios/name_text.h"
#include "messenger/netbios/nbt_engine.h"

using namespace kivet;
using namespace kivet::nbt;

namespace {

double Seconds = 1.0;

void Measure(const char* what, const std::function<bool()>& once)
{
    using Clock = std::chrono::steady_clock;
    uint64_t count = 0, failures = 0;
    const auto start = Clock::now();
    auto now = start;
    while (std::chrono::duration<double>(now - start).count() < Seconds) {
        for (int i = 0; i < 1000; ++i)
            failures += once() ? 0 : 1;
        count += 1000;
        now = Clock::now();
    }
    const double elapsed = std::chrono::duration<double>(now - start).count();
    std::printf("%-46s %12.0f per second%s\n", what, count / elapsed, failures ? "  (FAILURES)" : "");
}

class NullSender final : public PacketSender {
public:
    void Send(uint16_t, uint32_t, uint16_t, const std::vector<uint8_t>&) override {}
};

class CountingMailslots final : public LocalMailslots {
public:
    bool Deliver(std::string_view, const uint8_t*, std::size_t) override { return ++count > 0; }
    uint64_t count = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1) Seconds = std::atof(argv[1]);
    const NetBiosName computer = *NameFromText("PC-07", 0x00);
    const auto query = BuildNameServicePacket(MakeNameQuery(1, computer, true));
    const auto registration = BuildNameServicePacket(MakeRegistration(2, computer, false, 0x0A000001, true));
    std::vector<NodeStatusName> names;
    for (const char* text : {"PC-07", "JSMITH", "OFFICE", "AUTOANSWERMODE", "PC-07", "OFFICE"})
        names.push_back(NodeStatusName{*NameFromText(text, 0x03), 0x0400});
    const auto status = BuildNameServicePacket(MakeNodeStatusResponse(3, WildcardName(), names, {}));

    const std::string text(300, 'x');
    const std::string plain = "Bob" + std::string(1, '\0') + "Jsmith" + std::string(1, '\0') + text;
    const auto transaction = BuildMailslotTransaction("\\MAILSLOT\\messngr", reinterpret_cast<const uint8_t*>(plain.data()),
                                                      plain.size());
    DatagramPacket packet;
    packet.source = *NameFromText("PC-BOB", 0x00);
    packet.destination = *NameFromText("JSMITH", 0x03);
    packet.userData = transaction;
    const auto datagram = BuildDatagramPacket(packet);

    std::printf("Our NetBIOS, reading packets natively (one core, %.1f s each):\n", Seconds);
    NameServicePacket ns;
    Measure("name query request", [&] { return ParseNameServicePacket(query.data(), query.size(), ns); });
    Measure("registration request (compressed name)",
            [&] { return ParseNameServicePacket(registration.data(), registration.size(), ns); });
    Measure("node status response, 6 names", [&] { return ParseNameServicePacket(status.data(), status.size(), ns); });
    DatagramPacket read;
    Measure("DIRECT_UNIQUE datagram, 434 bytes", [&] { return ParseDatagramPacket(datagram.data(), datagram.size(), read); });
    MailslotWrite write;
    Measure("mailslot transaction", [&] { return ParseMailslotTransaction(transaction.data(), transaction.size(), write); });

    NullSender sender;
    CountingMailslots mailslots;
    EngineConfig config;
    config.localAddress = 0x0A000001;
    config.broadcastAddress = 0x0A0000FF;
    NbtEngine engine(config, sender, mailslots);
    bool registered = false;
    engine.AddName(*NameFromText("JSMITH", 0x03), false, 0, [&](uint8_t nrc) { registered = nrc == 0; });
    for (int64_t now = 0; now <= 5000; now += 50)
        engine.Tick(now);
    if (!registered) return 1;
    Measure("datagram through the engine into a mailslot", [&] {
        const uint64_t before = mailslots.count;
        engine.OnDatagramPacket(0x0A000002, 138, datagram.data(), datagram.size(), 20000);
        return mailslots.count == before + 1;
    });
    const auto userQuery = BuildNameServicePacket(MakeNameQuery(4, *NameFromText("JSMITH", 0x03), true));
    Measure("name query answered by the engine", [&] {
        engine.OnNameServicePacket(0x0A000002, 137, userQuery.data(), userQuery.size(), 20000);
        return true;
    });
    return 0;
}
