// A computer's NetBIOS for the network tests: starts our own NetBIOS over TCP/IP as the program
// does, registers the program's names, opens local mailslots and reports what arrives in them,
// then runs the commands given after "--" through the seams the program uses.
//
//   nbt_peer.exe COMPUTER USER WORKGROUP [--away] [--listen LEAF]... [--until FILE] [--for SECONDS]
//                -- COMMAND...
//
// Commands as in tests/net/peer_commands.h; received messages print "received LEAF TEXT".
// The program runs until FILE exists (or 30 s, or the SECONDS given), releases its names and
// exits 0.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "messenger/netbios/program_names.h"
#include "messenger/netbios/win32/netbios_choice.h"
#include "messenger/netbios/win32/own_netbios.h"
#include "tests/net/peer_commands.h"

using namespace kivet;
using namespace kivet::nbt;

namespace {

struct Listener {
    std::string leaf;
    HANDLE mailslot = INVALID_HANDLE_VALUE;
};

struct Options {
    std::string computer, user, workgroup, untilFile;
    DWORD lastingMs = 30000;
    bool away = false;
    std::vector<std::string> listen;
    std::vector<std::string> commands;
};

Options ParseOptions(int argc, char** argv)
{
    Options options;
    options.computer = argv[1];
    options.user = argv[2];
    options.workgroup = argv[3];
    int i = 4;
    for (; i < argc && std::string(argv[i]) != "--"; ++i) {
        const std::string arg = argv[i];
        if (arg == "--away") options.away = true;
        if (arg == "--listen" && i + 1 < argc) options.listen.push_back(argv[++i]);
        if (arg == "--until" && i + 1 < argc) options.untilFile = argv[++i];
        if (arg == "--for" && i + 1 < argc) options.lastingMs = std::strtoul(argv[++i], nullptr, 10) * 1000;
    }
    for (++i; i < argc; ++i)
        options.commands.push_back(argv[i]);
    return options;
}

void Print(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void DrainListeners(std::vector<Listener>& listeners)
{
    for (Listener& listener : listeners) {
        DWORD next = 0, count = 0;
        while (GetMailslotInfo(listener.mailslot, nullptr, &next, &count, nullptr) && next != MAILSLOT_NO_MESSAGE) {
            std::string data(next, '\0');
            DWORD read = 0;
            if (!ReadFile(listener.mailslot, data.data(), next, &read, nullptr)) break;
            Print(peer::ReceivedLine(listener.leaf, reinterpret_cast<const uint8_t*>(data.data()), read));
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: nbt_peer COMPUTER USER WORKGROUP [options] -- COMMAND...\n");
        return 2;
    }
    const Options options = ParseOptions(argc, argv);
    Print(std::string("choice ") + NetBiosChoiceText(ChooseNetBios()));
    std::vector<Listener> listeners;
    for (const std::string& leaf : options.listen) {
        const std::string path = "\\\\.\\mailslot\\" + leaf;
        listeners.push_back(Listener{leaf, CreateMailslotA(path.c_str(), 0, 0, nullptr)});
    }

    OwnNetBios netbios;
    const OwnNetBiosStart started = netbios.Start();
    Print("start " + DescribeStart(started, netbios));
    if (started != OwnNetBiosStart::Started) return 3;
    std::string line = "names";
    for (const uint8_t nrc : netbios.AddNames(ProgramNames(options.computer, options.user, options.workgroup)))
        line += " " + std::to_string(nrc);
    Print(line);
    peer::Seams seams{*netbios.Commands(), *netbios.Writer(), *netbios.Provider(), Print,
                      [](int ms) { Sleep(static_cast<DWORD>(ms)); }};
    if (options.away) peer::RunCommand(seams, {"away"});
    Print("ready");

    for (const std::string& command : options.commands) {
        DrainListeners(listeners);
        peer::RunCommand(seams, peer::SplitCommand(command));
    }
    const DWORD deadline = GetTickCount() + options.lastingMs;
    while (GetTickCount() < deadline) {
        DrainListeners(listeners);
        if (!options.untilFile.empty() && GetFileAttributesA(options.untilFile.c_str()) != INVALID_FILE_ATTRIBUTES)
            break;
        Sleep(20);
    }
    DrainListeners(listeners);
    netbios.Stop();
    Print("stopped");
    return 0;
}
