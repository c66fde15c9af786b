#include "messenger/clients/win32/com_secure_api.h"

namespace kivet {
namespace {

// The interface takes every buffer as a writable pointer, although it only reads some of them.
unsigned char* Bytes(const void* data)
{
    return static_cast<unsigned char*>(const_cast<void*>(data));
}
unsigned char* Text(const char* text)
{
    return reinterpret_cast<unsigned char*>(const_cast<char*>(text));
}
LONG* Words(const SecureRecord& record)
{
    return reinterpret_cast<LONG*>(const_cast<SecureRecord*>(&record));
}

} // namespace

void ComSecureApi::EncryptBlock(const SecureKey& key, uint8_t out[8], const uint8_t in[8])
{
    secure_->EncryptBlock(Bytes(key.data()), out, Bytes(in));
}

void ComSecureApi::DecryptBlock(const SecureKey& key, uint8_t out[8], const uint8_t in[8])
{
    secure_->DecryptBlock(Bytes(key.data()), out, Bytes(in));
}

void ComSecureApi::GeneratePreKey(SecurePrekey& prekey)
{
    secure_->GeneratePreKey(prekey.data());
}

void ComSecureApi::GenerateKey(const SecurePrekey& peerPrekey, SecureKey& key)
{
    secure_->GenerateKey(Bytes(peerPrekey.data()), key.data());
}

void ComSecureApi::AddMessageKey(const char* name, const SecureKey& key)
{
    secure_->AddMessageKey(Text(name), Bytes(key.data()));
}

bool ComSecureApi::GetMessageKey(const char* name, SecureKey& key)
{
    return secure_->GetMessageKey(Text(name), key.data()) == S_OK;
}

void ComSecureApi::AddFileKey(const char* name, const SecureKey& key)
{
    secure_->AddFileKey(Text(name), Bytes(key.data()));
}

bool ComSecureApi::ConnectToServer(const char* host)
{
    return secure_->ConnectToServer(Text(host)) == S_OK;
}

bool ComSecureApi::SendData(const SecureRecord& record)
{
    return secure_->SendData(Words(record)) == S_OK;
}

void ComSecureApi::DisconnectClient()
{
    secure_->DisconnectClient();
}

bool ComSecureApi::ConnectToServer2(const char* host)
{
    return secure_->ConnectToServer2(Text(host)) == S_OK;
}

bool ComSecureApi::SendData2(const SecureRecord& record)
{
    return secure_->SendData2(Words(record)) == S_OK;
}

void ComSecureApi::DisconnectClient2()
{
    secure_->DisconnectClient2();
}

bool ComSecureApi::CreateServer()
{
    return secure_->CreateServer() == S_OK;
}

bool ComSecureApi::ListenServer()
{
    return secure_->ListenServer() == S_OK;
}

bool ComSecureApi::AcceptServer()
{
    return secure_->AcceptServer() == S_OK;
}

bool ComSecureApi::ReceiveData(SecureRecord& record)
{
    return secure_->ReceiveData(reinterpret_cast<LONG*>(&record)) == S_OK;
}

void ComSecureApi::DisconnectServer()
{
    secure_->DisconnectServer();
}

} // namespace kivet
