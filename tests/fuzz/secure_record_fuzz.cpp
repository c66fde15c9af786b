// Fuzzes the secure server's record handling: the input (cut or zero-filled to 5348 bytes) is one
// received record, read and then handled by its type with the real cipher. Every name resolves to
// a key, so messages are always deciphered; connections back to the sender fail.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "common/fixed_text.h"
#include "messenger/clients/secure_exchange.h"
#include "messenger/clients/secure_record_reader.h"
#include "secure/cast128.h"
#include "tests/fakes/transport_fakes.h"
#include "tests/fuzz/fuzz_input.h"

using namespace kivet;

namespace {

class CipherOnlySecure final : public SecureApi {
public:
    void EncryptBlock(const SecureKey& key, uint8_t out[8], const uint8_t in[8]) override
    {
        secure::EncryptBlock(key.data(), out, in);
    }
    void DecryptBlock(const SecureKey& key, uint8_t out[8], const uint8_t in[8]) override
    {
        secure::DecryptBlock(key.data(), out, in);
    }
    void GeneratePreKey(SecurePrekey& prekey) override { prekey.fill(1); }
    void GenerateKey(const SecurePrekey&, SecureKey& key) override { key.fill(2); }
    void AddMessageKey(const char* name, const SecureKey&) override { fuzz::Require(std::strlen(name) < 20); }
    bool GetMessageKey(const char* name, SecureKey& key) override
    {
        fuzz::Require(std::strlen(name) < 20);
        key.fill(3);
        return true;
    }
    void AddFileKey(const char* name, const SecureKey&) override { fuzz::Require(std::strlen(name) < 20); }
    bool ConnectToServer(const char* host) override
    {
        fuzz::Require(std::strlen(host) < 20);
        return false;
    }
    bool SendData(const SecureRecord&) override { return false; }
    void DisconnectClient() override {}
    bool ConnectToServer2(const char*) override { return false; }
    bool SendData2(const SecureRecord&) override { return false; }
    void DisconnectClient2() override {}
    bool CreateServer() override { return false; }
    bool ListenServer() override { return false; }
    bool AcceptServer() override { return false; }
    bool ReceiveData(SecureRecord&) override { return false; }
    void DisconnectServer() override {}
};

class QuietHost final : public SecureHost {
public:
    SecureSettings Settings() override { return settings; }
    std::string LocalComputer() override { return "BOB"; }
    std::string LocalUser() override { return "BUSER"; }
    const TextCodec& Codec() override { return AsciiCodec(); }
    bool InIgnoreList(std::string_view name) override { return EqualsNoCase(name, "MALLORY"); }
    std::string ReceivedAtNow() override { return "01 March 2004 10:00:00"; }
    void WriteIncomingHistory(const MessageRecord& record) override
    {
        fuzz::Require(FieldText(record.text).size() < sizeof record.text);
    }
    void AnswerWithAutoReply(std::string_view computer) override { fuzz::Require(computer.size() < 20); }
    void SecureMessageStored() override {}
    void WriteOutgoingHistory(std::string_view, std::string_view, std::string_view) override {}
    void ShowBox(const BoxSpec&) override {}
    void Pause(unsigned) override {}

    SecureSettings settings{true, true, true, false};
};

class NullLog final : public ActionWriter {
public:
    void Write(std::string_view text) override { fuzz::Require(text.size() <= kSecurePrekeySize); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    SecureRecord record{};
    std::memcpy(&record, data, size < sizeof record ? size : sizeof record);

    const SecureRecordFields fields = ReadSecureRecord(record);
    fuzz::Require(fields.senderName.size() < kSecureNameSize && fields.senderComputer.size() < kSecureNameSize);
    fuzz::Require(fields.textLength <= kSecureMaxTextLength);

    CipherOnlySecure api;
    QuietHost host;
    NullLog log;
    SecureParts parts{api, host, log};
    MessageStore store;
    HandleSecureRecord(parts, store, record);
    for (const MessageRecord& stored : test::StoredRecords(store)) {
        fuzz::Require(FieldText(stored.text).size() <= fields.textLength || stored.text[0] == '[');
        fuzz::Require(stored.secure == 1 && stored.unread == 1);
    }
    return 0;
}
