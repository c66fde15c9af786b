#include "messenger/netbios/win32/own_netbios.h"

#include <winsock2.h>

#include <cstdio>

#include "messenger/netbios/nbt_mailslot_writer.h"
#include "messenger/netbios/nbt_netbios.h"
#include "messenger/netbios/nbt_network_provider.h"
#include "messenger/netbios/win32/local_mailslots_win32.h"
#include "messenger/netbios/win32/winsock_nbt_sockets.h"

namespace kivet::nbt {

struct OwnNetBios::Parts {
    Parts(const EngineConfig& config) : service(config, sockets, mailslots), netbios(service), writer(service),
                                        provider(service)
    {
    }

    WinsockNbtSockets sockets;
    Win32LocalMailslots mailslots;
    NbtService service;
    NbtNetBios netbios;
    NbtMailslotWriter writer;
    NbtNetworkProvider provider;
};

OwnNetBios::OwnNetBios() = default;

OwnNetBios::~OwnNetBios()
{
    Stop();
}

OwnNetBiosStart OwnNetBios::Start(const OwnNetBiosSettings& settings)
{
    if (parts_) return OwnNetBiosStart::Started;
    WSADATA data;
    if (WSAStartup(MAKEWORD(1, 1), &data) != 0) return OwnNetBiosStart::NoSockets;
    socketsStarted_ = true;
    if (!FindLanInterface(lan_)) {
        Stop();
        return OwnNetBiosStart::NoInterface;
    }
    EngineConfig config;
    config.localAddress = lan_.address;
    config.broadcastAddress = lan_.broadcast;
    config.mac = lan_.mac;
    config.winsServer = settings.winsServer;
    config.nameServicePort = settings.nameServicePort;
    config.datagramPort = settings.datagramPort;
    config.firstTransactionId = static_cast<uint16_t>(GetTickCount() ^ GetCurrentProcessId());
    parts_ = std::make_unique<Parts>(config);
    if (!parts_->sockets.Open(settings.nameServicePort, settings.datagramPort, failedPort_)) {
        Stop();
        return OwnNetBiosStart::PortInUse;
    }
    parts_->service.Start();
    return OwnNetBiosStart::Started;
}

void OwnNetBios::Stop()
{
    if (parts_) {
        parts_->service.Stop();
        parts_->sockets.Close();
        parts_.reset();
    }
    if (socketsStarted_) WSACleanup();
    socketsStarted_ = false;
}

bool OwnNetBios::IsRunning() const
{
    return parts_ != nullptr && parts_->service.IsRunning();
}

NetBios* OwnNetBios::Commands()
{
    return IsRunning() ? &parts_->netbios : nullptr;
}

MailslotWriter* OwnNetBios::Writer()
{
    return IsRunning() ? &parts_->writer : nullptr;
}

NetworkProvider* OwnNetBios::Provider()
{
    return IsRunning() ? &parts_->provider : nullptr;
}

NbtService* OwnNetBios::Service()
{
    return IsRunning() ? &parts_->service : nullptr;
}

std::vector<uint8_t> OwnNetBios::AddNames(const std::vector<NameToAdd>& names)
{
    if (!IsRunning()) return std::vector<uint8_t>(names.size(), kNrcSystem);
    return parts_->service.AddNames(names);
}

namespace {

std::string Dotted(uint32_t address)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", address >> 24, address >> 16 & 0xFF, address >> 8 & 0xFF,
                  address & 0xFF);
    return text;
}

} // namespace

std::string DescribeStart(OwnNetBiosStart result, const OwnNetBios& netbios)
{
    switch (result) {
    case OwnNetBiosStart::Started:
        return "NetBIOS over TCP/IP on " + Dotted(netbios.Interface().address) + " (broadcast " +
               Dotted(netbios.Interface().broadcast) + ")";
    case OwnNetBiosStart::NoSockets: return "NetBIOS over TCP/IP not started: Windows Sockets unavailable";
    case OwnNetBiosStart::NoInterface: return "NetBIOS over TCP/IP not started: no network adapter";
    case OwnNetBiosStart::PortInUse:
        return "NetBIOS over TCP/IP not started: UDP port " + std::to_string(netbios.FailedPort()) +
               " cannot be bound (privileged, or held by another NetBIOS such as nmbd); "
               "messages reach this computer only";
    }
    return std::string();
}

} // namespace kivet::nbt
