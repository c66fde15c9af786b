#include "tests/net/peer_commands.h"

#include <cstdio>
#include <cstdlib>

#include "messenger/netbios/name_text.h"
#include "messenger/netbios/program_names.h"

namespace kivet::nbt::peer {
namespace {

std::string Dotted(const std::array<uint8_t, 6>& source)
{
    char text[32];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", source[2], source[3], source[4], source[5]);
    return text;
}

std::string StatusLine(const std::string& asked, uint8_t nrc, const AdapterStatus& status)
{
    std::string line = "status " + asked + " nrc=" + std::to_string(nrc);
    for (const AdapterStatusName& entry : status.names) {
        char flags[8];
        std::snprintf(flags, sizeof flags, "/%02X", entry.flags);
        line += " " + DescribeName(entry.name) + flags;
    }
    return line;
}

std::string DomainsLine(NetworkProvider& provider)
{
    std::vector<std::string> domains;
    provider.EnumerateDomains(domains);
    std::string line = "domains";
    for (const std::string& domain : domains) {
        std::vector<std::string> computers;
        provider.EnumerateComputers(domain, computers);
        line += " " + domain + ":";
        for (const std::string& computer : computers)
            line += computer + ",";
    }
    return line;
}

} // namespace

std::vector<std::string> SplitCommand(const std::string& command)
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

NetBiosName ParsePeerName(const std::string& text)
{
    const std::size_t hash = text.find('#');
    const auto suffix =
        static_cast<uint8_t>(hash == std::string::npos ? 0 : std::strtoul(text.c_str() + hash + 1, nullptr, 16));
    return NameFromText(text.substr(0, hash), suffix).value_or(NetBiosName{});
}

void RunCommand(Seams& seams, const std::vector<std::string>& words)
{
    if (words.empty()) return;
    const std::string& verb = words[0];
    const std::string argument = words.size() > 1 ? words[1] : std::string();
    if (verb == "find" || verb == "await") {
        // "await" asks again (up to ten times) until the name is there: the other computer may
        // still be starting.
        std::array<uint8_t, 6> source{};
        uint8_t nrc = seams.netbios.FindName(0, ParsePeerName(argument), source);
        for (int tries = 1; verb == "await" && nrc != kNrcGoodReturn && tries < 10; ++tries)
            nrc = seams.netbios.FindName(0, ParsePeerName(argument), source);
        seams.print("find " + argument + " nrc=" + std::to_string(nrc) + " address=" + Dotted(source));
    } else if (verb == "status") {
        AdapterStatus status;
        const uint8_t nrc = seams.netbios.QueryAdapterStatus(0, ParsePeerName(argument), status);
        seams.print(StatusLine(argument, nrc, status));
    } else if (verb == "add") {
        seams.print("add " + argument + " nrc=" + std::to_string(seams.netbios.AddName(0, ParsePeerName(argument))));
    } else if (verb == "away") {
        seams.print("away nrc=" + std::to_string(seams.netbios.AddGroupName(0, AutoReplyName())));
    } else if (verb == "back") {
        seams.print("back nrc=" + std::to_string(seams.netbios.DeleteName(0, AutoReplyName())));
    } else if (verb == "domains") {
        seams.print(DomainsLine(seams.provider));
    } else if (verb == "sleep") {
        seams.sleep(std::atoi(argument.c_str()));
    } else if (verb == "send" && words.size() > 3) {
        const std::string path = "\\mailslot\\" + words[2];
        const bool ok = seams.writer.Write(words[1], path, reinterpret_cast<const uint8_t*>(words[3].data()),
                                           words[3].size());
        seams.print("send " + words[1] + " " + words[2] + " ok=" + std::to_string(ok));
    }
}

std::string ReceivedLine(const std::string& leaf, const uint8_t* data, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    for (char& c : text)
        if (c == '\0') c = '|';
    return "received " + leaf + " " + text;
}

} // namespace kivet::nbt::peer
