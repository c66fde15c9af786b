#include "messenger/clients/secure_server.h"

#include <chrono>

#include "messenger/clients/secure_exchange.h"

namespace kivet {

SecureServer::SecureServer(SecureParts parts, MessageStore& store, unsigned retryPauseMs)
    : parts_(parts), store_(store), retryPauseMs_(retryPauseMs)
{
}

void SecureServer::Run()
{
    while (!stopping_) {
        if (!StartListening()) continue;
        while (!stopping_ && parts_.api.AcceptServer())
            ServeConnection();
        parts_.api.DisconnectServer();
    }
}

void SecureServer::RequestStop()
{
    {
        std::lock_guard<std::mutex> hold(pauseLock_);
        stopping_ = true;
    }
    stopped_.notify_all();
    parts_.api.DisconnectServer();
}

// Binds and listens; after a failure the slot is emptied, the loop pauses and false comes back.
bool SecureServer::StartListening()
{
    if (!parts_.api.CreateServer()) {
        parts_.api.DisconnectServer();
        parts_.log.Write("SERVER: Trying to start server.");
        PauseBeforeRetry();
        return false;
    }
    if (!parts_.api.ListenServer()) {
        parts_.api.DisconnectServer();
        PauseBeforeRetry();
        return false;
    }
    return true;
}

void SecureServer::ServeConnection()
{
    SecureRecord record{};
    while (!stopping_ && parts_.api.ReceiveData(record))
        HandleSecureRecord(parts_, store_, record);
}

void SecureServer::PauseBeforeRetry()
{
    std::unique_lock<std::mutex> hold(pauseLock_);
    stopped_.wait_for(hold, std::chrono::milliseconds(retryPauseMs_), [this] { return stopping_.load(); });
}

} // namespace kivet
