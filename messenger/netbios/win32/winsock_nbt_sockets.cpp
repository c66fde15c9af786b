#include "messenger/netbios/win32/winsock_nbt_sockets.h"

#include <winsock2.h>

namespace kivet::nbt {
namespace {

SOCKET BoundUdpSocket(uint16_t port)
{
    const SOCKET s = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (s == INVALID_SOCKET) return s;
    const BOOL on = TRUE;
    setsockopt(s, SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&on), sizeof on);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (bind(s, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        closesocket(s);
        return INVALID_SOCKET;
    }
    return s;
}

// One datagram from a socket select() found ready; false for an over-long or failed read.
bool ReadOne(SOCKET s, uint16_t localPort, ReceivedPacket& packet)
{
    char buffer[kMaxReceivedPacket];
    sockaddr_in from{};
    int fromLength = sizeof from;
    const int got = recvfrom(s, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &fromLength);
    if (got < 0) return false; // WSAEMSGSIZE: longer than any NetBIOS packet, dropped whole
    packet.localPort = localPort;
    packet.from = ntohl(from.sin_addr.s_addr);
    packet.fromPort = ntohs(from.sin_port);
    packet.bytes.assign(buffer, buffer + got);
    return true;
}

} // namespace

WinsockNbtSockets::~WinsockNbtSockets()
{
    Close();
}

bool WinsockNbtSockets::Open(uint16_t nameServicePort, uint16_t datagramPort, uint16_t& failedPort)
{
    Close();
    nameServicePort_ = nameServicePort;
    datagramPort_ = datagramPort;
    nameService_ = BoundUdpSocket(nameServicePort);
    if (nameService_ == INVALID_SOCKET) {
        failedPort = nameServicePort;
        return false;
    }
    datagram_ = BoundUdpSocket(datagramPort);
    if (datagram_ == INVALID_SOCKET) {
        failedPort = datagramPort;
        Close();
        return false;
    }
    return true;
}

void WinsockNbtSockets::Close()
{
    for (std::uintptr_t* s : {&nameService_, &datagram_}) {
        if (*s != INVALID_SOCKET) closesocket(*s);
        *s = INVALID_SOCKET;
    }
}

void WinsockNbtSockets::Send(uint16_t localPort, uint32_t address, uint16_t port, const std::vector<uint8_t>& bytes)
{
    const SOCKET s = localPort == nameServicePort_ ? nameService_ : datagram_;
    if (s == INVALID_SOCKET) return;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(address);
    sendto(s, reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()), 0,
           reinterpret_cast<const sockaddr*>(&to), sizeof to);
}

bool WinsockNbtSockets::Receive(int timeoutMs, ReceivedPacket& packet)
{
    if (nameService_ == INVALID_SOCKET || datagram_ == INVALID_SOCKET) return false;
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(nameService_, &ready);
    FD_SET(datagram_, &ready);
    timeval wait{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    if (select(0, &ready, nullptr, nullptr, &wait) <= 0) return false;
    if (FD_ISSET(nameService_, &ready)) return ReadOne(nameService_, nameServicePort_, packet);
    return ReadOne(datagram_, datagramPort_, packet);
}

} // namespace kivet::nbt
