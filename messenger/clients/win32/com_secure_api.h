// SecureApi over the Secure component's COM interface. The pointer is used from several threads
// without marshalling, as the component's "Both" threading model allows.
#pragma once

#include <windows.h>

#include "messenger/clients/secure_api.h"
#include "secure/kivet_secure_idl.h"

namespace kivet {

class ComSecureApi final : public SecureApi {
public:
    // The caller keeps secure alive for the life of this object.
    explicit ComSecureApi(IKivetSecure* secure) : secure_(secure) {}

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

private:
    IKivetSecure* secure_;
};

} // namespace kivet
