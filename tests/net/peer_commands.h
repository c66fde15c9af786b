// The commands of the network test peers (nbt_peer.exe under Wine, nbt_node natively), run
// through the seams the program uses. Each prints one line.
//   find NAME#XX | await NAME#XX | status NAME#XX | add NAME#XX | away | back | domains | sleep MS
//   send TARGET LEAF TEXT
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "messenger/browser/netbios.h"
#include "messenger/browser/network_provider.h"
#include "messenger/transport/mailslot_port.h"

namespace kivet::nbt::peer {

struct Seams {
    NetBios& netbios;
    MailslotWriter& writer;
    NetworkProvider& provider;
    std::function<void(const std::string&)> print;
    std::function<void(int ms)> sleep;
};

// "send TARGET LEAF the text" -> {"send", "TARGET", "LEAF", "the text"}
std::vector<std::string> SplitCommand(const std::string& command);

// "NAME#XX" as nmblookup writes it (suffix in hexadecimal, 00 when left out).
NetBiosName ParsePeerName(const std::string& text);

void RunCommand(Seams& seams, const std::vector<std::string>& words);

// The received message as one line: NULs shown as '|'.
std::string ReceivedLine(const std::string& leaf, const uint8_t* data, std::size_t size);

} // namespace kivet::nbt::peer
