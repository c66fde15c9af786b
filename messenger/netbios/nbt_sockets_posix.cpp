#include "messenger/netbios/nbt_sockets_posix.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kivet::nbt {
namespace {

int BoundUdpSocket(uint16_t port)
{
    const int s = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (s < 0) return -1;
    const int on = 1;
    setsockopt(s, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (bind(s, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        close(s);
        return -1;
    }
    return s;
}

// One datagram; false for a failed read or one longer than any NetBIOS packet (dropped whole).
bool ReadOne(int s, uint16_t localPort, ReceivedPacket& packet)
{
    uint8_t buffer[kMaxReceivedPacket];
    sockaddr_in from{};
    socklen_t fromLength = sizeof from;
    const ssize_t got = recvfrom(s, buffer, sizeof buffer, MSG_TRUNC, reinterpret_cast<sockaddr*>(&from), &fromLength);
    if (got < 0 || static_cast<std::size_t>(got) > sizeof buffer) return false;
    packet.localPort = localPort;
    packet.from = ntohl(from.sin_addr.s_addr);
    packet.fromPort = ntohs(from.sin_port);
    packet.bytes.assign(buffer, buffer + got);
    return true;
}

} // namespace

PosixNbtSockets::~PosixNbtSockets()
{
    Close();
}

bool PosixNbtSockets::Open(uint16_t nameServicePort, uint16_t datagramPort, uint16_t& failedPort)
{
    Close();
    nameServicePort_ = nameServicePort;
    datagramPort_ = datagramPort;
    nameService_ = BoundUdpSocket(nameServicePort);
    datagram_ = nameService_ < 0 ? -1 : BoundUdpSocket(datagramPort);
    if (nameService_ < 0 || datagram_ < 0) {
        failedPort = nameService_ < 0 ? nameServicePort : datagramPort;
        Close();
        return false;
    }
    return true;
}

void PosixNbtSockets::Close()
{
    for (int* s : {&nameService_, &datagram_}) {
        if (*s >= 0) close(*s);
        *s = -1;
    }
}

void PosixNbtSockets::Send(uint16_t localPort, uint32_t address, uint16_t port, const std::vector<uint8_t>& bytes)
{
    const int s = localPort == nameServicePort_ ? nameService_ : datagram_;
    if (s < 0) return;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(address);
    sendto(s, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
}

bool PosixNbtSockets::Receive(int timeoutMs, ReceivedPacket& packet)
{
    if (nameService_ < 0 || datagram_ < 0) return false;
    pollfd ready[2] = {{nameService_, POLLIN, 0}, {datagram_, POLLIN, 0}};
    if (poll(ready, 2, timeoutMs) <= 0) return false;
    if (ready[0].revents & POLLIN) return ReadOne(nameService_, nameServicePort_, packet);
    if (ready[1].revents & POLLIN) return ReadOne(datagram_, datagramPort_, packet);
    return false;
}

} // namespace kivet::nbt
