#include "tests/core/clients/native_secure.h"

#include <chrono>

#include "common/fixed_text.h"
#include "secure/cast128.h"

namespace kivet::test {

uint16_t FreeLoopbackPort()
{
    secure::TcpChannel probe;
    return probe.Bind(0) ? probe.Port() : 0;
}

NativeSecure::NativeSecure(uint16_t ownPort, uint16_t peerPort, unsigned serverReceiveTimeoutMs)
    : loopbackNames_{"ALICE", "BOB", "CAROL"}, server_(ownPort, serverReceiveTimeoutMs), outgoing_(peerPort)
{
    static std::atomic<uint32_t> seeds{1};
    agreement_.Initialize(secure::CurrentTimeSeed() + seeds++ * 7919);
}

NativeSecure::~NativeSecure()
{
    agreement_.UnInitialize();
}

std::string NativeSecure::Host(const char* name) const
{
    std::string upper(name);
    for (char& c : upper)
        c = AsciiUpper(c);
    return loopbackNames_.count(upper) ? "127.0.0.1" : std::string(name);
}

void NativeSecure::EncryptBlock(const SecureKey& key, uint8_t out[8], const uint8_t in[8])
{
    secure::EncryptBlock(key.data(), out, in);
}

void NativeSecure::DecryptBlock(const SecureKey& key, uint8_t out[8], const uint8_t in[8])
{
    secure::DecryptBlock(key.data(), out, in);
}

void NativeSecure::GeneratePreKey(SecurePrekey& prekey)
{
    agreement_.GeneratePreKey(prekey.data());
}

void NativeSecure::GenerateKey(const SecurePrekey& peerPrekey, SecureKey& key)
{
    agreement_.GenerateKey(peerPrekey.data(), key.data());
}

void NativeSecure::AddMessageKey(const char* name, const SecureKey& key)
{
    messageKeys_.Add(name, key.data());
}

bool NativeSecure::GetMessageKey(const char* name, SecureKey& key)
{
    return messageKeys_.Get(name, key.data());
}

void NativeSecure::AddFileKey(const char* name, const SecureKey& key)
{
    fileKeys_.Add(name, key.data());
}

bool NativeSecure::GetFileKey(const char* name, SecureKey& key)
{
    return fileKeys_.Get(name, key.data());
}

bool NativeSecure::ConnectToServer(const char* host)
{
    return outgoing_.ConnectToServer(Host(host).c_str());
}

bool NativeSecure::SendData(const SecureRecord& record)
{
    return outgoing_.SendData(&record);
}

void NativeSecure::DisconnectClient()
{
    outgoing_.DisconnectClient();
}

bool NativeSecure::ConnectToServer2(const char* host)
{
    ++requestConnects_;
    return outgoing_.ConnectToServer2(Host(host).c_str());
}

bool NativeSecure::SendData2(const SecureRecord& record)
{
    return outgoing_.SendData2(&record);
}

void NativeSecure::DisconnectClient2()
{
    outgoing_.DisconnectClient2();
}

bool NativeSecure::CreateServer()
{
    return server_.CreateServer();
}

bool NativeSecure::ListenServer()
{
    if (!server_.ListenServer()) return false;
    {
        std::lock_guard<std::mutex> hold(listenLock_);
        ++listenCount_;
    }
    listened_.notify_all();
    return true;
}

bool NativeSecure::AcceptServer()
{
    {
        std::lock_guard<std::mutex> hold(listenLock_);
        ++acceptCount_;
    }
    listened_.notify_all();
    return server_.AcceptServer();
}

bool NativeSecure::ReceiveData(SecureRecord& record)
{
    return server_.ReceiveData(&record);
}

void NativeSecure::DisconnectServer()
{
    server_.DisconnectServer();
}

bool NativeSecure::WaitUntilListened(int count)
{
    std::unique_lock<std::mutex> hold(listenLock_);
    return listened_.wait_for(hold, std::chrono::seconds(2), [&] { return listenCount_ >= count; });
}

bool NativeSecure::WaitUntilAccepting(int count)
{
    std::unique_lock<std::mutex> hold(listenLock_);
    return listened_.wait_for(hold, std::chrono::seconds(2), [&] { return acceptCount_ >= count; });
}

} // namespace kivet::test
