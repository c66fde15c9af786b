// The socket seam over Windows Sockets 1.1 (ws2_32).
#ifdef _WIN32

#include "secure/socket_api.h"

#include <winsock2.h>

#include <climits>
#include <cstring>
#include <mutex>

namespace kivet::secure {

namespace {

SOCKET Native(SocketHandle socket)
{
    return static_cast<SOCKET>(socket);
}

sockaddr_in MakeAddress(u_long networkOrderAddress, std::uint16_t port)
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

// Winsock takes int lengths; a larger request is served in parts by the callers' loops.
int ClampLength(std::size_t length)
{
    return length > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(length);
}

} // namespace

bool StartSockets()
{
    static std::once_flag once;
    static bool started = false;
    std::call_once(once, [] {
        WSADATA data;
        started = ::WSAStartup(MAKEWORD(1, 1), &data) == 0;
    });
    return started;
}

SocketHandle CreateStreamSocket()
{
    SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    return s == INVALID_SOCKET ? kNoSocket : static_cast<SocketHandle>(s);
}

bool EnableAddressReuse(SocketHandle socket)
{
    BOOL on = TRUE;
    return ::setsockopt(Native(socket), SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on), sizeof on) == 0;
}

bool BindAnyAddress(SocketHandle socket, std::uint16_t port)
{
    sockaddr_in address = MakeAddress(htonl(INADDR_ANY), port);
    return ::bind(Native(socket), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

std::uint16_t BoundPort(SocketHandle socket)
{
    sockaddr_in address{};
    int length = sizeof address;
    if (::getsockname(Native(socket), reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
    return ntohs(address.sin_port);
}

bool ListenForConnections(SocketHandle socket, int backlog)
{
    return ::listen(Native(socket), backlog) == 0;
}

SocketHandle AcceptConnection(SocketHandle listening, Ipv4Address& peer)
{
    sockaddr_in address{};
    int length = sizeof address;
    SOCKET s = ::accept(Native(listening), reinterpret_cast<sockaddr*>(&address), &length);
    if (s == INVALID_SOCKET) return kNoSocket;
    CopyOctets(address.sin_addr, peer);
    return static_cast<SocketHandle>(s);
}

bool ConnectTo(SocketHandle socket, const Ipv4Address& address, std::uint16_t port)
{
    u_long networkOrder;
    std::memcpy(&networkOrder, address.octets, sizeof networkOrder);
    sockaddr_in target = MakeAddress(networkOrder, port);
    return ::connect(Native(socket), reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0;
}

bool ResolveHost(const char* host, Ipv4Address& address)
{
    // Winsock keeps gethostbyname's result in a buffer of the calling thread, so concurrent
    // look-ups from several threads do not disturb each other.
    const hostent* entry = ::gethostbyname(host);
    if (entry == nullptr || entry->h_addrtype != AF_INET || entry->h_length != 4) return false;
    if (entry->h_addr_list == nullptr || entry->h_addr_list[0] == nullptr) return false;
    std::memcpy(address.octets, entry->h_addr_list[0], sizeof address.octets);
    return true;
}

std::ptrdiff_t SendSome(SocketHandle socket, const void* data, std::size_t length)
{
    int sent = ::send(Native(socket), static_cast<const char*>(data), ClampLength(length), 0);
    return sent > 0 ? sent : -1;
}

std::ptrdiff_t ReceiveSome(SocketHandle socket, void* buffer, std::size_t size)
{
    int received = ::recv(Native(socket), static_cast<char*>(buffer), ClampLength(size), 0);
    return received == SOCKET_ERROR ? -1 : received;
}

int WaitReadable(SocketHandle socket, unsigned milliseconds)
{
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(Native(socket), &readable);
    timeval limit{};
    limit.tv_sec = static_cast<long>(milliseconds / 1000);
    limit.tv_usec = static_cast<long>((milliseconds % 1000) * 1000);
    const int ready = ::select(0, &readable, nullptr, nullptr, &limit);
    return ready == SOCKET_ERROR ? -1 : (ready > 0 ? 1 : 0);
}

void ShutdownReceiving(SocketHandle socket)
{
    ::shutdown(Native(socket), SD_RECEIVE);
}

bool InterruptBlockedCalls(SocketHandle socket)
{
    // closesocket cancels blocking accept and recv calls of other threads; shutdown does not
    // wake an accept.
    ::shutdown(Native(socket), SD_BOTH);
    ::closesocket(Native(socket));
    return true;
}

void CloseSocket(SocketHandle socket)
{
    ::closesocket(Native(socket));
}

void LocalHostName(char* buffer, std::size_t size)
{
    if (size == 0) return;
    if (!StartSockets() || ::gethostname(buffer, ClampLength(size)) != 0) buffer[0] = '\0';
    buffer[size - 1] = '\0';
}

} // namespace kivet::secure

#endif // _WIN32
