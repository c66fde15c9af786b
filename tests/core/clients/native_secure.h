// SecureApi over the Secure component's own portable classes (cipher, key agreement, key tables,
// connection slots), so the native tests run the messenger's side against the real cipher and
// real loopback sockets. Two of these in one process play two computers: each serves on its own
// port and connects to the other's, and the computer names the tests use resolve to loopback.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <set>
#include <string>

#include "messenger/clients/secure_api.h"
#include "secure/connection_slots.h"
#include "secure/key_agreement.h"
#include "secure/key_table.h"

namespace kivet::test {

// A port the system just reported free.
uint16_t FreeLoopbackPort();

class NativeSecure : public SecureApi {
public:
    NativeSecure(uint16_t ownPort, uint16_t peerPort,
                 unsigned serverReceiveTimeoutMs = secure::kServerReceiveTimeoutMs);
    ~NativeSecure() override;

    void EncryptBlock(const SecureKey& key, uint8_t out[8], const uint8_t in[8]) override;
    void DecryptBlock(const SecureKey& key, uint8_t out[8], const uint8_t in[8]) override;
    void GeneratePreKey(SecurePrekey& prekey) override;
    void GenerateKey(const SecurePrekey& peerPrekey, SecureKey& key) override;
    void AddMessageKey(const char* name, const SecureKey& key) override;
    bool GetMessageKey(const char* name, SecureKey& key) override;
    void AddFileKey(const char* name, const SecureKey& key) override;
    bool ConnectToServer(const char* host) override;
    bool SendData(const SecureRecord& record) override;
    void DisconnectClient() override;
    bool ConnectToServer2(const char* host) override;
    bool SendData2(const SecureRecord& record) override;
    void DisconnectClient2() override;
    bool CreateServer() override;
    bool ListenServer() override;
    bool AcceptServer() override;
    bool ReceiveData(SecureRecord& record) override;
    void DisconnectServer() override;

    // Wait up to two seconds until the server slot has listened, or has been asked to accept,
    // count times in all. The server asks to accept again once it is done with a connection.
    bool WaitUntilListened(int count);
    bool WaitUntilAccepting(int count);
    int RequestConnectAttempts() const { return requestConnects_; }
    bool GetFileKey(const char* name, SecureKey& key);
    const secure::KeyTable& MessageKeys() const { return messageKeys_; }

private:
    std::string Host(const char* name) const;

    std::set<std::string> loopbackNames_;
    secure::ConnectionSlots server_;
    secure::ConnectionSlots outgoing_;
    secure::ModuleKeyAgreement agreement_;
    secure::KeyTable messageKeys_;
    secure::KeyTable fileKeys_;
    std::atomic<int> requestConnects_{0};
    std::mutex listenLock_;
    std::condition_variable listened_;
    int listenCount_ = 0;
    int acceptCount_ = 0;
};

} // namespace kivet::test
