// A thin seam over the system's stream sockets: BSD sockets on POSIX, Winsock 1.1 on Windows.
// Every socket is an IPv4 TCP socket in blocking mode. The functions report failure through their
// results and never throw; the system's error codes are not passed on because no caller acts on them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace kivet::secure {

// A socket as the system numbers it (a file descriptor on POSIX, a SOCKET on Windows).
using SocketHandle = std::intptr_t;
constexpr SocketHandle kNoSocket = -1;

// An IPv4 address, most significant octet first ("127.0.0.1" is {127, 0, 0, 1}).
struct Ipv4Address {
    std::uint8_t octets[4];
};

// Longest dotted IPv4 text ("255.255.255.255") plus its terminator.
constexpr std::size_t kDottedAddressSize = 16;

inline void FormatDottedAddress(const Ipv4Address& address, char (&text)[kDottedAddressSize])
{
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", address.octets[0], address.octets[1], address.octets[2],
                  address.octets[3]);
}

// Prepares the socket library for this process: Winsock 1.1 once per process on Windows (further
// calls only repeat the first call's result), nothing on POSIX. Safe to call from several threads.
bool StartSockets();

// A new IPv4 stream socket, or kNoSocket.
SocketHandle CreateStreamSocket();

// Allows binding a local address that is still in use by an earlier connection.
bool EnableAddressReuse(SocketHandle socket);

// Binds to every local address on the port (0 lets the system choose one).
bool BindAnyAddress(SocketHandle socket, std::uint16_t port);

// The local port the socket is bound to, or 0.
std::uint16_t BoundPort(SocketHandle socket);

bool ListenForConnections(SocketHandle socket, int backlog);

// Waits for one incoming connection; returns its socket and fills the peer's address, or kNoSocket.
SocketHandle AcceptConnection(SocketHandle listening, Ipv4Address& peer);

bool ConnectTo(SocketHandle socket, const Ipv4Address& address, std::uint16_t port);

// Looks a host name or dotted address up with the system's host look-up and gives its first IPv4
// address. Safe to call from several threads.
bool ResolveHost(const char* host, Ipv4Address& address);

// One send call: the number of bytes handed to the connection (at least 1), or -1 on error.
// A send to a connection the peer has closed fails instead of raising a signal.
std::ptrdiff_t SendSome(SocketHandle socket, const void* data, std::size_t length);

// One receive call: the number of bytes read, 0 when the peer has closed, -1 on error.
std::ptrdiff_t ReceiveSome(SocketHandle socket, void* buffer, std::size_t size);

// Waits up to milliseconds for the socket to have something to read (data, the peer's close or an
// error): 1 when it has, 0 when the time ran out, -1 when the wait itself failed.
int WaitReadable(SocketHandle socket, unsigned milliseconds);

void ShutdownReceiving(SocketHandle socket);

// Makes accept and recv calls that other threads have blocked on this socket return.
// Returns true when the handle is closed by this as well (Windows: only closing the socket wakes
// such calls) and false when it is still open and must be closed later (POSIX: shutting both
// directions down wakes them, and the number stays reserved until the close).
bool InterruptBlockedCalls(SocketHandle socket);

void CloseSocket(SocketHandle socket);

// The local computer's host name, cut to fit; an empty text when the system does not give one.
void LocalHostName(char* buffer, std::size_t size);

} // namespace kivet::secure
