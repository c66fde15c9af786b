// The calls of the Secure component that the messenger makes, as a seam: the program implements
// it over the component's COM interface, the native tests over the component's portable classes.
// Every call that can fail reports it as false (E_FAIL at the interface).
#pragma once

#include <array>
#include <cstdint>

#include "messenger/clients/secure_record.h"

namespace kivet {

using SecureKey = std::array<uint8_t, kSecureKeySize>;
using SecurePrekey = std::array<uint8_t, kSecurePrekeySize>;

class SecureApi {
public:
    virtual ~SecureApi() = default;

    // One 8-byte block under a 16-byte key.
    virtual void EncryptBlock(const SecureKey& key, uint8_t out[8], const uint8_t in[8]) = 0;
    virtual void DecryptBlock(const SecureKey& key, uint8_t out[8], const uint8_t in[8]) = 0;

    // Key agreement: a fresh prekey to send, and the key from the peer's prekey.
    virtual void GeneratePreKey(SecurePrekey& prekey) = 0;
    virtual void GenerateKey(const SecurePrekey& peerPrekey, SecureKey& key) = 0;

    // Key tables, filed under a computer name; a fetched key is consumed.
    virtual void AddMessageKey(const char* name, const SecureKey& key) = 0;
    virtual bool GetMessageKey(const char* name, SecureKey& key) = 0;
    virtual void AddFileKey(const char* name, const SecureKey& key) = 0;

    // Reply slot: the answer to a request, on a connection of its own.
    virtual bool ConnectToServer(const char* host) = 0;
    virtual bool SendData(const SecureRecord& record) = 0;
    virtual void DisconnectClient() = 0;

    // Request slot: requests, messages and the probe, held by one thread from connect to disconnect.
    virtual bool ConnectToServer2(const char* host) = 0;
    virtual bool SendData2(const SecureRecord& record) = 0;
    virtual void DisconnectClient2() = 0;

    // Server slot: one connection at a time; DisconnectServer from another thread makes a blocked
    // AcceptServer or ReceiveData return false.
    virtual bool CreateServer() = 0;
    virtual bool ListenServer() = 0;
    virtual bool AcceptServer() = 0;
    virtual bool ReceiveData(SecureRecord& record) = 0;
    virtual void DisconnectServer() = 0;
};

} // namespace kivet
