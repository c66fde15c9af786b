// A computer's NetBIOS for the network tests: starts our own NetBIOS over TCP/IP as the program
// does, registers the program's names, opens local mailslots and reports what arrives in them,
// then runs the commands given after "--" through the seams the program uses.
//
//   nbt_peer.exe COMPUTER USER WORKGROUP [--away] [--listen LEAF]... [--until FILE] -- COMMAND...
//
// Commands: "find NAME#XX", "status NAME#XX", "send TARGET LEAF TEXT", "domains", "add NAME#XX",
// "away", "back", "sleep MS". Each prints one line; received messages print "received LEAF TEXT".
// The program runs until FILE exists (or 30 s), releases its names and exits 0.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "messenger/netbios/name_text.h"
#include "messenger/netbios/program_names.h"
#include "messenger/netbios/win32/netbios_choice.h"
#include "messenger/netbios/win32/own_netbios.h"

using namespace kivet;
using namespace kivet::nbt;

namespace {

struct Listener {
    std::string leaf;
    HANDLE mailslot = INVALID_HANDLE_VALUE;
};

struct Options {
    std::string computer, user, workgroup, untilFile;
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
    }
    for (++i; i < argc; ++i)
        options.commands.push_back(argv[i]);
    return options;
}

// "NAME#XX" as nmblookup writes it.
NetBiosName ParseName(const std::string& text)
{
    const std::size_t hash = text.find('#');
    const uint8_t suffix = hash == std::string::npos ? 0 : static_cast<uint8_t>(std::strtoul(text.c_str() + hash + 1, nullptr, 16));
    return NameFromText(text.substr(0, hash), suffix).value_or(NetBiosName{});
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
            for (char& c : data)
                if (c == '\0') c = '|';
            Print("received " + listener.leaf + " " + data);
        }
    }
}

std::string Dotted(const std::array<uint8_t, 6>& source)
{
    char text[32];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", source[2], source[3], source[4], source[5]);
    return text;
}

void RunCommand(OwnNetBios& netbios, const std::vector<std::string>& words)
{
    NetBios& commands = *netbios.Commands();
    const std::string& verb = words[0];
    if (verb == "find" && words.size() > 1) {
        std::array<uint8_t, 6> source{};
        const uint8_t nrc = commands.FindName(0, ParseName(words[1]), source);
        Print("find " + words[1] + " nrc=" + std::to_string(nrc) + " address=" + Dotted(source));
    } else if (verb == "status" && words.size() > 1) {
        AdapterStatus status;
        const uint8_t nrc = commands.QueryAdapterStatus(0, ParseName(words[1]), status);
        std::string line = "status " + words[1] + " nrc=" + std::to_string(nrc);
        for (const AdapterStatusName& entry : status.names) {
            char flags[8];
            std::snprintf(flags, sizeof flags, "/%02X", entry.flags);
            line += " " + DescribeName(entry.name) + flags;
        }
        Print(line);
    } else if (verb == "send" && words.size() > 3) {
        const std::string path = "\\mailslot\\" + words[2];
        const bool ok = netbios.Writer()->Write(words[1], path, reinterpret_cast<const uint8_t*>(words[3].data()),
                                                words[3].size());
        Print("send " + words[1] + " " + words[2] + " ok=" + std::to_string(ok));
    } else if (verb == "domains") {
        std::vector<std::string> domains;
        netbios.Provider()->EnumerateDomains(domains);
        std::string line = "domains";
        for (const std::string& domain : domains) {
            std::vector<std::string> computers;
            netbios.Provider()->EnumerateComputers(domain, computers);
            line += " " + domain + ":";
            for (const std::string& computer : computers)
                line += computer + ",";
        }
        Print(line);
    } else if (verb == "add" && words.size() > 1) {
        Print("add " + words[1] + " nrc=" + std::to_string(commands.AddName(0, ParseName(words[1]))));
    } else if (verb == "away") {
        Print("away nrc=" + std::to_string(commands.AddGroupName(0, AutoReplyName())));
    } else if (verb == "back") {
        Print("back nrc=" + std::to_string(commands.DeleteName(0, AutoReplyName())));
    } else if (verb == "sleep" && words.size() > 1) {
        Sleep(static_cast<DWORD>(std::atoi(words[1].c_str())));
    }
}

std::vector<std::string> Words(const std::string& command)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < command.size() && words.size() < 3) {
        const std::size_t space = command.find(' ', start);
        words.push_back(command.substr(start, space - start));
        if (space == std::string::npos) return words;
        start = space + 1;
    }
    if (start < command.size()) words.push_back(command.substr(start)); // the text keeps its blanks
    return words;
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
    if (options.away) RunCommand(netbios, {"away"});
    Print("ready");

    for (const std::string& command : options.commands) {
        DrainListeners(listeners);
        RunCommand(netbios, Words(command));
    }
    const DWORD deadline = GetTickCount() + 30000;
    while (GetTickCount() < deadline) {
        DrainListeners(listeners);
        if (!options.untilFile.empty() && GetFileAttributesA(options.untilFile.c_str()) != INVALID_FILE_ATTRIBUTES) break;
        Sleep(20);
    }
    DrainListeners(listeners);
    netbios.Stop();
    Print("stopped");
    return 0;
}
