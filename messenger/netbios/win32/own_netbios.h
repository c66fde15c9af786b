// Our own NetBIOS over TCP/IP as the composition layer holds it: started once at start-up when
// ChooseNetBios() says so, stopped at shutdown (its names are released then). While it runs,
// its NetBios, MailslotWriter and NetworkProvider replace the system's.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "messenger/browser/netbios.h"
#include "messenger/browser/network_provider.h"
#include "messenger/netbios/engine_ports.h"
#include "messenger/netbios/nbt_service.h"
#include "messenger/netbios/win32/lan_interface.h"
#include "messenger/transport/mailslot_port.h"

namespace kivet::nbt {

struct OwnNetBiosSettings {
    uint32_t winsServer = 0; // host order; 0 for broadcast only
    uint16_t nameServicePort = kNameServicePort;
    uint16_t datagramPort = kDatagramPort;
};

enum class OwnNetBiosStart {
    Started,
    NoSockets,   // Windows Sockets could not be started
    NoInterface, // no IPv4 adapter besides the loopback
    PortInUse,   // UDP 137 or 138 cannot be bound: privileged, or another NetBIOS holds it
};

class OwnNetBios {
public:
    OwnNetBios();
    ~OwnNetBios();
    OwnNetBios(const OwnNetBios&) = delete;
    OwnNetBios& operator=(const OwnNetBios&) = delete;

    OwnNetBiosStart Start(const OwnNetBiosSettings& settings = {});
    // Releases the names, ends the service thread, closes the sockets.
    void Stop();
    bool IsRunning() const;

    // The seams while running; nullptr otherwise.
    NetBios* Commands();
    MailslotWriter* Writer();
    NetworkProvider* Provider();
    NbtService* Service();

    // The start-up registrations side by side (see ProgramNames); one NRC per name.
    std::vector<uint8_t> AddNames(const std::vector<NameToAdd>& names);

    const LanInterface& Interface() const { return lan_; }
    uint16_t FailedPort() const { return failedPort_; }

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
    LanInterface lan_;
    uint16_t failedPort_ = 0;
    bool socketsStarted_ = false;
};

// One action-log line for the outcome of Start, e.g. "NetBIOS over TCP/IP on 192.168.1.5
// (broadcast 192.168.1.255)" or the reason the program works on this computer only.
std::string DescribeStart(OwnNetBiosStart result, const OwnNetBios& netbios);

} // namespace kivet::nbt
