// The socket seam over BSD sockets (Linux and other POSIX systems).
#ifndef _WIN32

#include "secure/socket_api.h"

#include <arpa/inet.h>
#include <cerrno>
#include <climits>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kivet::secure {

namespace {

int Fd(SocketHandle socket)
{
    return static_cast<int>(socket);
}

sockaddr_in MakeAddress(std::uint32_t networkOrderAddress, std::uint16_t port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = networkOrderAddress;
    return address;
}

void CopyOctets(const in_addr& from, Ipv4Address& to)
{
    std::memcpy(to.octets, &from.s_addr, sizeof to.octets);
}

} // namespace

bool StartSockets()
{
    return true;
}

SocketHandle CreateStreamSocket()
{
    int fd = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    return fd < 0 ? kNoSocket : fd;
}

bool EnableAddressReuse(SocketHandle socket)
{
    int on = 1;
    return ::setsockopt(Fd(socket), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) == 0;
}

bool BindAnyAddress(SocketHandle socket, std::uint16_t port)
{
    sockaddr_in address = MakeAddress(htonl(INADDR_ANY), port);
    return ::bind(Fd(socket), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

std::uint16_t BoundPort(SocketHandle socket)
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (::getsockname(Fd(socket), reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
    return ntohs(address.sin_port);
}

bool ListenForConnections(SocketHandle socket, int backlog)
{
    return ::listen(Fd(socket), backlog) == 0;
}

SocketHandle AcceptConnection(SocketHandle listening, Ipv4Address& peer)
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    int fd;
    do {
        fd = ::accept(Fd(listening), reinterpret_cast<sockaddr*>(&address), &length);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return kNoSocket;
    CopyOctets(address.sin_addr, peer);
    return fd;
}

bool ConnectTo(SocketHandle socket, const Ipv4Address& address, std::uint16_t port)
{
    std::uint32_t networkOrder;
    std::memcpy(&networkOrder, address.octets, sizeof networkOrder);
    sockaddr_in target = MakeAddress(networkOrder, port);
    // A connect interrupted by a signal goes on in the background; it is not restarted here.
    return ::connect(Fd(socket), reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0;
}

bool ResolveHost(const char* host, Ipv4Address& address)
{
    // getaddrinfo rather than gethostbyname: the latter returns a shared static buffer.
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* results = nullptr;
    if (::getaddrinfo(host, nullptr, &hints, &results) != 0 || results == nullptr) return false;
    CopyOctets(reinterpret_cast<const sockaddr_in*>(results->ai_addr)->sin_addr, address);
    ::freeaddrinfo(results);
    return true;
}

std::ptrdiff_t SendSome(SocketHandle socket, const void* data, std::size_t length)
{
    ssize_t sent;
    do {
        sent = ::send(Fd(socket), data, length, MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    return sent > 0 ? sent : -1;
}

std::ptrdiff_t ReceiveSome(SocketHandle socket, void* buffer, std::size_t size)
{
    ssize_t received;
    do {
        received = ::recv(Fd(socket), buffer, size, 0);
    } while (received < 0 && errno == EINTR);
    return received < 0 ? -1 : received;
}

int WaitReadable(SocketHandle socket, unsigned milliseconds)
{
    pollfd entry{};
    entry.fd = Fd(socket);
    entry.events = POLLIN;
    const int limit = milliseconds > static_cast<unsigned>(INT_MAX) ? INT_MAX : static_cast<int>(milliseconds);
    int ready;
    do {
        ready = ::poll(&entry, 1, limit);
    } while (ready < 0 && errno == EINTR);
    return ready < 0 ? -1 : (ready > 0 ? 1 : 0);
}

void ShutdownReceiving(SocketHandle socket)
{
    ::shutdown(Fd(socket), SHUT_RD);
}

bool InterruptBlockedCalls(SocketHandle socket)
{
    // close() alone does not wake a thread blocked in accept() or recv() on Linux; shutdown does.
    ::shutdown(Fd(socket), SHUT_RDWR);
    return false;
}

void CloseSocket(SocketHandle socket)
{
    ::close(Fd(socket));
}

void LocalHostName(char* buffer, std::size_t size)
{
    if (size == 0) return;
    if (::gethostname(buffer, size) != 0) buffer[0] = '\0';
    buffer[size - 1] = '\0';
}

} // namespace kivet::secure

#endif // _WIN32
