// Our NetBIOS run natively as one computer of the network tests (the POSIX edge): the service
// on BSD sockets, the program's names, every received mailslot message printed.
//
//   nbt_node ADDRESS BROADCAST COMPUTER USER WORKGROUP [--away] [--until FILE] -- COMMAND...
//
// Commands as in peer_commands.h. Runs until FILE exists (or 30 s), releases its names, exits 0.
#include <arpa/inet.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "messenger/netbios/nbt_mailslot_writer.h"
#include "messenger/netbios/nbt_netbios.h"
#include "messenger/netbios/nbt_network_provider.h"
#include "messenger/netbios/nbt_service.h"
#include "messenger/netbios/nbt_sockets_posix.h"
#include "messenger/netbios/program_names.h"
#include "tests/net/peer_commands.h"

using namespace kivet;
using namespace kivet::nbt;

namespace {

std::mutex printing;

void Print(const std::string& line)
{
    std::lock_guard<std::mutex> guard(printing);
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

class PrintingMailslots final : public LocalMailslots {
public:
    bool Deliver(std::string_view leaf, const uint8_t* data, std::size_t size) override
    {
        Print(peer::ReceivedLine(std::string(leaf), data, size));
        return true;
    }
};

uint32_t Address(const char* dotted)
{
    in_addr address{};
    return inet_aton(dotted, &address) ? ntohl(address.s_addr) : 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 6) {
        std::fprintf(stderr, "usage: nbt_node ADDRESS BROADCAST COMPUTER USER WORKGROUP [--away] [--until FILE] -- ...\n");
        return 2;
    }
    EngineConfig config;
    config.localAddress = Address(argv[1]);
    config.broadcastAddress = Address(argv[2]);
    config.mac = {0x02, 0x00, 0x00, 0x00, 0x00, static_cast<uint8_t>(config.localAddress)};
    config.firstTransactionId = static_cast<uint16_t>(getpid());
    bool away = false;
    std::string until;
    std::vector<std::string> commands;
    int i = 6;
    for (; i < argc && std::string(argv[i]) != "--"; ++i) {
        if (std::string(argv[i]) == "--away") away = true;
        if (std::string(argv[i]) == "--until" && i + 1 < argc) until = argv[++i];
    }
    for (++i; i < argc; ++i)
        commands.push_back(argv[i]);

    PosixNbtSockets sockets;
    uint16_t failedPort = 0;
    if (!sockets.Open(config.nameServicePort, config.datagramPort, failedPort)) {
        Print("start port " + std::to_string(failedPort) + " in use");
        return 3;
    }
    PrintingMailslots mailslots;
    NbtService service(config, sockets, mailslots);
    NbtNetBios netbios(service);
    NbtMailslotWriter writer(service);
    NbtNetworkProvider provider(service);
    service.Start();
    std::string line = "names";
    for (const uint8_t nrc : service.AddNames(ProgramNames(argv[3], argv[4], argv[5])))
        line += " " + std::to_string(nrc);
    Print(line);
    peer::Seams seams{netbios, writer, provider, Print,
                      [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }};
    if (away) peer::RunCommand(seams, {"away"});
    Print("ready");
    for (const std::string& command : commands)
        peer::RunCommand(seams, peer::SplitCommand(command));
    for (int waited = 0; waited < 30000; waited += 20) {
        if (!until.empty() && access(until.c_str(), F_OK) == 0) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    service.Stop();
    Print("stopped");
    return 0;
}
