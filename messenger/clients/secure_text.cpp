#include "messenger/clients/secure_text.h"

#include <algorithm>
#include <cstring>

#include "secure/block_buffer.h"

namespace kivet {
namespace {

std::size_t WholeBlocksLength(std::size_t length)
{
    return (length + 7) / 8 * 8;
}

} // namespace

void EncipherText(SecureApi& api, const SecureKey& key, std::string_view text, SecureRecord& record)
{
    text = text.substr(0, text.find('\0'));
    if (text.size() > kSecureMaxTextLength) text = text.substr(0, kSecureMaxTextLength);

    std::memset(record.payload, 0, sizeof record.payload);
    secure::EncipherBuffer([&](const uint8_t*, uint8_t* out, const uint8_t* in) { api.EncryptBlock(key, out, in); },
                           key.data(), reinterpret_cast<const uint8_t*>(text.data()), text.size(), record.payload);
    record.textLength = static_cast<uint32_t>(text.size());
}

std::string DecipherText(SecureApi& api, const SecureKey& key, const SecureRecord& record)
{
    const std::size_t length = std::min<uint32_t>(record.textLength, kSecureMaxTextLength);
    uint8_t plain[kSecurePayloadSize] = {};
    secure::DecipherBuffer([&](const uint8_t*, uint8_t* out, const uint8_t* in) { api.DecryptBlock(key, out, in); },
                           key.data(), record.payload, WholeBlocksLength(length), plain);
    const auto* text = reinterpret_cast<const char*>(plain);
    return std::string(text, std::find(text, text + length, '\0'));
}

} // namespace kivet
