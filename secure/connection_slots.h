// The Secure component's three connection slots on its TCP port: the server slot that accepts one
// peer and receives its records, the request slot through which this computer starts an exchange,
// and the reply slot through which it answers one. Each slot holds no channel or one TcpChannel.
// Every method returns true for success (S_OK at the interface) and false for failure (E_FAIL).
#pragma once

#include "secure/tcp_channel.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

namespace kivet::secure {

constexpr std::uint16_t kSecurePort = 19803;
// Every record on the port has this size, with no length prefix or delimiter.
constexpr std::size_t kSecureRecordSize = 5348;
constexpr int kSecureListenBacklog = 1;
// How long the server slot waits for one whole record on an accepted connection. Records are sent
// whole as soon as a connection is made, so a peer that has sent nothing by then is dropped and the
// server can listen again.
constexpr unsigned kServerReceiveTimeoutMs = 10000;

class ConnectionSlots {
public:
    explicit ConnectionSlots(std::uint16_t port = kSecurePort, unsigned serverReceiveTimeoutMs = kServerReceiveTimeoutMs);
    // Closes whatever the slots still hold.
    ~ConnectionSlots();
    ConnectionSlots(const ConnectionSlots&) = delete;
    ConnectionSlots& operator=(const ConnectionSlots&) = delete;

    // Reply slot: a new channel connected to host on the port. After a failure the channel stays
    // in the slot, closed, so that the DisconnectClient that follows is harmless.
    bool ConnectToServer(const char* host);
    bool SendData(const void* record);
    bool DisconnectClient();

    // Request slot, as the reply slot; in addition the calling thread holds the slot from a
    // successful ConnectToServer2 until its DisconnectClient2, and another thread's
    // ConnectToServer2 waits until then; a failed ConnectToServer2 leaves the slot free.
    // SendData2 fails for a thread that does not hold the slot, and DisconnectClient2 of such a
    // thread does nothing (it cannot release another user's hold).
    bool ConnectToServer2(const char* host);
    bool SendData2(const void* record);
    bool DisconnectClient2();

    // Server slot. CreateServer binds a new channel to the port (address reuse on); ReceiveData
    // zeroes the record buffer and fills it only with a whole record (it is zero again after a
    // failure). ReceiveData fails when no whole record arrives within the server receive time-out
    // (0: no limit). DisconnectServer from another thread makes a blocked AcceptServer or
    // ReceiveData return false.
    bool CreateServer();
    bool ListenServer();
    bool AcceptServer();
    bool ReceiveData(void* record);
    bool DisconnectServer();

private:
    // A slot's channel is shared with the calls using it, so that a disconnect can close it while
    // another thread is blocked on it without destroying it under that thread.
    struct Slot {
        std::mutex lock;
        std::shared_ptr<TcpChannel> channel;
    };
    struct RequestSlot : Slot {
        std::condition_variable released;
        bool held = false;
        std::thread::id holder;
    };

    static std::shared_ptr<TcpChannel> Current(Slot& slot);
    static std::shared_ptr<TcpChannel> Take(Slot& slot);
    // Puts a new channel into the slot and closes the one it replaces.
    static std::shared_ptr<TcpChannel> InstallNew(Slot& slot);

    std::shared_ptr<TcpChannel> HoldRequestSlot();
    std::shared_ptr<TcpChannel> HeldRequestChannel();

    const std::uint16_t port_;
    const unsigned serverReceiveTimeoutMs_;
    Slot server_;
    Slot reply_;
    RequestSlot request_;
};

} // namespace kivet::secure
