// TcpChannel: one blocking TCP endpoint, either a client (connect, send) or a server (bind, listen,
// accept one connection, receive from it). The Secure component keeps its three connection slots
// as TcpChannels; the transfer component uses the class for its own ports.
#pragma once

#include "secure/socket_api.h"

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace kivet::secure {

// Host names and dotted addresses longer than this are refused by Connect.
constexpr std::size_t kMaxHostNameLength = 79;

// One socket handle that a call may block on while another thread closes it.
// Close makes the blocked call return. Where waking the call does not take closing the socket
// (POSIX), the handle is released only after the call has left, so the system cannot hand the same
// number to a new socket while the call still uses it.
class GuardedSocket {
public:
    // Keeps the socket open for the length of one call.
    class Use {
    public:
        ~Use();
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;

        SocketHandle Handle() const { return handle_; }

    private:
        friend class GuardedSocket;
        Use(GuardedSocket* guard, SocketHandle handle) : guard_(guard), handle_(handle) {}

        GuardedSocket* guard_;
        SocketHandle handle_;
    };

    GuardedSocket() = default;
    ~GuardedSocket();
    GuardedSocket(const GuardedSocket&) = delete;
    GuardedSocket& operator=(const GuardedSocket&) = delete;

    // Takes ownership of socket, releasing the one held before. After Close the socket is closed
    // at once and the result is false.
    bool Adopt(SocketHandle socket);

    // The current socket for one call; its Handle() is kNoSocket when there is none.
    Use Begin();

    // Releases the socket after a failed step; the guard may adopt another one later.
    void Discard();

    // Shuts the receiving direction down and closes the socket for good: later Adopt calls fail.
    // A call blocked on the socket in another thread returns.
    void Close();

private:
    void End();
    void ReleaseLocked();

    std::mutex lock_;
    SocketHandle handle_ = kNoSocket;
    int users_ = 0;
    bool closed_ = false;
    std::vector<SocketHandle> pendingCloses_;
};

class TcpChannel {
public:
    TcpChannel() = default;
    ~TcpChannel();
    TcpChannel(const TcpChannel&) = delete;
    TcpChannel& operator=(const TcpChannel&) = delete;

    // Connects to port on host (a name for the system's host look-up, or a dotted address).
    // Refuses a null, empty or over-long host; on any failure the socket is closed.
    bool Connect(const char* host, std::uint16_t port);

    // Binds a new socket to every local address on port, with address reuse on, and notes the
    // local host name. Port 0 lets the system choose; Port() then tells which.
    bool Bind(std::uint16_t port);

    // Listens on the bound socket; on failure the listening socket is closed.
    bool Listen(int backlog);

    // Waits for one incoming connection and keeps it (replacing an earlier one) with its address.
    bool Accept();

    // Hands all length bytes to the connection of a client channel, in as many calls as it takes.
    bool Send(const void* data, std::size_t length);

    // Limits how long ReceiveRecord waits for one whole record, counted from its start; 0 (the
    // default) waits without limit.
    void SetReceiveTimeout(unsigned milliseconds);

    // Reads from the accepted connection until size bytes have arrived; false on an error, when
    // the peer closes before the record is complete, or when the receive time-out runs out first.
    bool ReceiveRecord(void* buffer, std::size_t size);

    // One read of up to size bytes from the accepted connection: the number of bytes, 0 when the
    // peer has closed, -1 on an error. peerAddress receives the peer's dotted address.
    int ReceiveOnce(void* buffer, std::size_t size, char (&peerAddress)[kDottedAddressSize]);

    // Shut down and close the client socket (CloseClient) or the accepted connection and the
    // listening socket (CloseServer). Either ends the channel for good; safe to call from another
    // thread, where it makes a call blocked in Accept, ReceiveRecord or ReceiveOnce return.
    void CloseClient();
    void CloseServer();

    std::uint16_t Port() const;
    // The host connected to, or the local host name of a bound channel.
    std::string HostName() const;
    void PeerAddress(char (&text)[kDottedAddressSize]) const;

private:
    void NoteBoundSocket(SocketHandle socket);

    mutable std::mutex stateLock_; // guards the fields below up to the sockets
    char hostName_[kMaxHostNameLength + 1] = {};
    std::uint16_t port_ = 0;
    unsigned receiveTimeoutMs_ = 0;
    Ipv4Address peerAddress_{};

    GuardedSocket socket_;         // connected (client) or listening (server)
    GuardedSocket acceptedSocket_; // the connection taken by Accept
};

} // namespace kivet::secure
