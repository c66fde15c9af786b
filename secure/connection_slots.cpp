#include "secure/connection_slots.h"

#include <cstring>
#include <utility>

namespace kivet::secure {

ConnectionSlots::ConnectionSlots(std::uint16_t port, unsigned serverReceiveTimeoutMs)
    : port_(port), serverReceiveTimeoutMs_(serverReceiveTimeoutMs)
{
}

ConnectionSlots::~ConnectionSlots()
{
    DisconnectServer();
    DisconnectClient();
    std::shared_ptr<TcpChannel> request = Take(request_);
    if (request) request->CloseClient();
}

// --- slot helpers ---

std::shared_ptr<TcpChannel> ConnectionSlots::Current(Slot& slot)
{
    std::lock_guard<std::mutex> hold(slot.lock);
    return slot.channel;
}

std::shared_ptr<TcpChannel> ConnectionSlots::Take(Slot& slot)
{
    std::lock_guard<std::mutex> hold(slot.lock);
    return std::move(slot.channel);
}

std::shared_ptr<TcpChannel> ConnectionSlots::InstallNew(Slot& slot)
{
    auto fresh = std::make_shared<TcpChannel>();
    std::shared_ptr<TcpChannel> replaced;
    {
        std::lock_guard<std::mutex> hold(slot.lock);
        replaced = std::exchange(slot.channel, fresh);
    }
    // CloseServer closes every socket of a channel, client or server.
    if (replaced) replaced->CloseServer();
    return fresh;
}

// --- reply slot ---

bool ConnectionSlots::ConnectToServer(const char* host)
{
    return InstallNew(reply_)->Connect(host, port_);
}

bool ConnectionSlots::SendData(const void* record)
{
    std::shared_ptr<TcpChannel> channel = Current(reply_);
    return channel && channel->Send(record, kSecureRecordSize);
}

bool ConnectionSlots::DisconnectClient()
{
    std::shared_ptr<TcpChannel> channel = Take(reply_);
    if (channel) channel->CloseClient();
    return true;
}

// --- request slot ---

// Waits until no other thread holds the request slot, takes the hold for the calling thread and
// puts a new channel into the slot. A thread that already holds the slot keeps its hold and gets
// a new channel in place of its old one.
std::shared_ptr<TcpChannel> ConnectionSlots::HoldRequestSlot()
{
    const std::thread::id me = std::this_thread::get_id();
    auto fresh = std::make_shared<TcpChannel>();
    std::shared_ptr<TcpChannel> replaced;
    {
        std::unique_lock<std::mutex> hold(request_.lock);
        request_.released.wait(hold, [&] { return !request_.held || request_.holder == me; });
        request_.held = true;
        request_.holder = me;
        replaced = std::exchange(request_.channel, fresh);
    }
    if (replaced) replaced->CloseClient();
    return fresh;
}

// The request channel when the calling thread holds the slot, else null.
std::shared_ptr<TcpChannel> ConnectionSlots::HeldRequestChannel()
{
    std::lock_guard<std::mutex> hold(request_.lock);
    if (!request_.held || request_.holder != std::this_thread::get_id()) return nullptr;
    return request_.channel;
}

// A failed connection gives the hold back at once: a caller whose thread ends without
// DisconnectClient2 after a failure must not block every later user of the slot.
bool ConnectionSlots::ConnectToServer2(const char* host)
{
    if (HoldRequestSlot()->Connect(host, port_)) return true;
    DisconnectClient2();
    return false;
}

bool ConnectionSlots::SendData2(const void* record)
{
    std::shared_ptr<TcpChannel> channel = HeldRequestChannel();
    return channel && channel->Send(record, kSecureRecordSize);
}

bool ConnectionSlots::DisconnectClient2()
{
    std::shared_ptr<TcpChannel> channel;
    {
        std::lock_guard<std::mutex> hold(request_.lock);
        if (!request_.held || request_.holder != std::this_thread::get_id()) return true;
        channel = std::move(request_.channel);
        request_.held = false;
        request_.holder = std::thread::id();
    }
    request_.released.notify_one();
    if (channel) channel->CloseClient();
    return true;
}

// --- server slot ---

bool ConnectionSlots::CreateServer()
{
    std::shared_ptr<TcpChannel> channel = InstallNew(server_);
    channel->SetReceiveTimeout(serverReceiveTimeoutMs_);
    return channel->Bind(port_);
}

bool ConnectionSlots::ListenServer()
{
    std::shared_ptr<TcpChannel> channel = Current(server_);
    return channel && channel->Listen(kSecureListenBacklog);
}

bool ConnectionSlots::AcceptServer()
{
    std::shared_ptr<TcpChannel> channel = Current(server_);
    return channel && channel->Accept();
}

bool ConnectionSlots::ReceiveData(void* record)
{
    std::memset(record, 0, kSecureRecordSize);
    std::shared_ptr<TcpChannel> channel = Current(server_);
    if (channel && channel->ReceiveRecord(record, kSecureRecordSize)) return true;
    // A record cut short by the peer is not handed out in part.
    std::memset(record, 0, kSecureRecordSize);
    return false;
}

bool ConnectionSlots::DisconnectServer()
{
    std::shared_ptr<TcpChannel> channel = Take(server_);
    if (channel) channel->CloseServer();
    return true;
}

} // namespace kivet::secure
