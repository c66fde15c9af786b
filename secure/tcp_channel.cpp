#include "secure/tcp_channel.h"

#include "common/fixed_text.h"

#include <chrono>
#include <climits>
#include <cstring>
#include <string_view>

namespace kivet::secure {

namespace {

// Length of text, counting no further than limit + 1 characters.
std::size_t BoundedLength(const char* text, std::size_t limit)
{
    std::size_t length = 0;
    while (length <= limit && text[length] != '\0')
        ++length;
    return length;
}

} // namespace

// --- GuardedSocket ---

GuardedSocket::Use::~Use()
{
    if (guard_ != nullptr) guard_->End();
}

GuardedSocket::~GuardedSocket()
{
    Close();
}

bool GuardedSocket::Adopt(SocketHandle socket)
{
    std::lock_guard<std::mutex> hold(lock_);
    if (closed_) {
        CloseSocket(socket);
        return false;
    }
    ReleaseLocked();
    handle_ = socket;
    return true;
}

GuardedSocket::Use GuardedSocket::Begin()
{
    std::lock_guard<std::mutex> hold(lock_);
    if (handle_ == kNoSocket) return Use(nullptr, kNoSocket);
    ++users_;
    return Use(this, handle_);
}

void GuardedSocket::Discard()
{
    std::lock_guard<std::mutex> hold(lock_);
    ReleaseLocked();
}

void GuardedSocket::Close()
{
    std::lock_guard<std::mutex> hold(lock_);
    closed_ = true;
    ReleaseLocked();
}

void GuardedSocket::End()
{
    std::lock_guard<std::mutex> hold(lock_);
    if (--users_ > 0) return;
    for (SocketHandle socket : pendingCloses_)
        CloseSocket(socket);
    pendingCloses_.clear();
}

// Lets go of the current handle. With no call using it the socket closes gracefully at once;
// otherwise the calls are woken and the last one to leave closes it (see End).
void GuardedSocket::ReleaseLocked()
{
    SocketHandle socket = handle_;
    handle_ = kNoSocket;
    if (socket == kNoSocket) return;
    if (users_ == 0) {
        ShutdownReceiving(socket);
        CloseSocket(socket);
    } else if (!InterruptBlockedCalls(socket)) {
        pendingCloses_.push_back(socket);
    }
}

// --- TcpChannel ---

TcpChannel::~TcpChannel()
{
    CloseServer();
}

bool TcpChannel::Connect(const char* host, std::uint16_t port)
{
    if (host == nullptr) return false;
    std::size_t length = BoundedLength(host, kMaxHostNameLength);
    if (length == 0 || length > kMaxHostNameLength) return false;
    {
        std::lock_guard<std::mutex> hold(stateLock_);
        port_ = port;
        CopyCut(hostName_, std::string_view(host, length));
    }
    if (!StartSockets()) return false;
    SocketHandle created = CreateStreamSocket();
    if (created == kNoSocket || !socket_.Adopt(created)) return false;

    GuardedSocket::Use use = socket_.Begin();
    Ipv4Address address{};
    if (use.Handle() == kNoSocket || !ResolveHost(host, address) || !ConnectTo(use.Handle(), address, port)) {
        socket_.Discard();
        return false;
    }
    return true;
}

bool TcpChannel::Bind(std::uint16_t port)
{
    {
        std::lock_guard<std::mutex> hold(stateLock_);
        port_ = port;
    }
    if (!StartSockets()) return false;
    SocketHandle created = CreateStreamSocket();
    if (created == kNoSocket || !socket_.Adopt(created)) return false;

    GuardedSocket::Use use = socket_.Begin();
    if (use.Handle() == kNoSocket || !EnableAddressReuse(use.Handle()) || !BindAnyAddress(use.Handle(), port)) {
        socket_.Discard();
        return false;
    }
    NoteBoundSocket(use.Handle());
    return true;
}

void TcpChannel::NoteBoundSocket(SocketHandle socket)
{
    char localName[sizeof hostName_];
    LocalHostName(localName, sizeof localName);
    std::uint16_t boundPort = BoundPort(socket);

    std::lock_guard<std::mutex> hold(stateLock_);
    std::memcpy(hostName_, localName, sizeof hostName_);
    if (boundPort != 0) port_ = boundPort;
}

bool TcpChannel::Listen(int backlog)
{
    GuardedSocket::Use use = socket_.Begin();
    if (use.Handle() == kNoSocket) return false;
    if (!ListenForConnections(use.Handle(), backlog)) {
        socket_.Discard();
        return false;
    }
    return true;
}

bool TcpChannel::Accept()
{
    GuardedSocket::Use use = socket_.Begin();
    if (use.Handle() == kNoSocket) return false;
    Ipv4Address peer{};
    SocketHandle accepted = AcceptConnection(use.Handle(), peer);
    if (accepted == kNoSocket || !acceptedSocket_.Adopt(accepted)) return false;

    std::lock_guard<std::mutex> hold(stateLock_);
    peerAddress_ = peer;
    return true;
}

bool TcpChannel::Send(const void* data, std::size_t length)
{
    GuardedSocket::Use use = socket_.Begin();
    if (use.Handle() == kNoSocket) return false;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::size_t sent = 0;
    while (sent < length) {
        std::ptrdiff_t n = SendSome(use.Handle(), bytes + sent, length - sent);
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

void TcpChannel::SetReceiveTimeout(unsigned milliseconds)
{
    std::lock_guard<std::mutex> hold(stateLock_);
    receiveTimeoutMs_ = milliseconds;
}

bool TcpChannel::ReceiveRecord(void* buffer, std::size_t size)
{
    using Clock = std::chrono::steady_clock;
    unsigned timeoutMs;
    {
        std::lock_guard<std::mutex> hold(stateLock_);
        timeoutMs = receiveTimeoutMs_;
    }
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);

    GuardedSocket::Use use = acceptedSocket_.Begin();
    if (use.Handle() == kNoSocket) return false;
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    std::size_t received = 0;
    while (received < size) {
        if (timeoutMs != 0) {
            // The whole record must arrive before the deadline, so a peer that trickles bytes
            // cannot hold the connection longer than one that sends nothing.
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) return false;
            if (WaitReadable(use.Handle(), static_cast<unsigned>(left.count())) != 1) return false;
        }
        std::ptrdiff_t n = ReceiveSome(use.Handle(), bytes + received, size - received);
        if (n <= 0) return false;
        received += static_cast<std::size_t>(n);
    }
    return true;
}

int TcpChannel::ReceiveOnce(void* buffer, std::size_t size, char (&peerAddress)[kDottedAddressSize])
{
    PeerAddress(peerAddress);
    GuardedSocket::Use use = acceptedSocket_.Begin();
    if (use.Handle() == kNoSocket) return -1;
    std::size_t limit = size < static_cast<std::size_t>(INT_MAX) ? size : static_cast<std::size_t>(INT_MAX);
    return static_cast<int>(ReceiveSome(use.Handle(), buffer, limit));
}

void TcpChannel::CloseClient()
{
    socket_.Close();
}

void TcpChannel::CloseServer()
{
    acceptedSocket_.Close();
    socket_.Close();
}

std::uint16_t TcpChannel::Port() const
{
    std::lock_guard<std::mutex> hold(stateLock_);
    return port_;
}

std::string TcpChannel::HostName() const
{
    std::lock_guard<std::mutex> hold(stateLock_);
    return std::string(FieldText(hostName_));
}

void TcpChannel::PeerAddress(char (&text)[kDottedAddressSize]) const
{
    std::lock_guard<std::mutex> hold(stateLock_);
    FormatDottedAddress(peerAddress_, text);
}

} // namespace kivet::secure
