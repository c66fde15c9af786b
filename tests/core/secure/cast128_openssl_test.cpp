// Cross-check against an independent CAST-128: OpenSSL 3's CAST5 in ECB mode, which lives in the
// "legacy" provider. CAST5 with a 16-byte key is CAST-128 with 16 rounds and the same byte order.
#include "secure/block_buffer.h"
#include "secure/cast128.h"

#include <gtest/gtest.h>

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/provider.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace kivet::secure {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kKeys = 300;
constexpr int kBlocksPerKey = 4;

std::string LastOpenSslError()
{
    char text[256] = "no OpenSSL error recorded";
    if (unsigned long code = ERR_peek_last_error()) ERR_error_string_n(code, text, sizeof text);
    return text;
}

class Cast128MatchesOpenSsl : public ::testing::Test {
protected:
    void SetUp() override
    {
        legacy_ = OSSL_PROVIDER_load(nullptr, "legacy");
        if (legacy_ == nullptr) GTEST_SKIP() << "OpenSSL legacy provider not available: " << LastOpenSslError();
        cipher_ = EVP_CIPHER_fetch(nullptr, "CAST5-ECB", "provider=legacy");
        if (cipher_ == nullptr) GTEST_SKIP() << "CAST5-ECB not offered by the legacy provider: " << LastOpenSslError();
        context_ = EVP_CIPHER_CTX_new();
        ASSERT_NE(context_, nullptr);
    }

    void TearDown() override
    {
        EVP_CIPHER_CTX_free(context_);
        EVP_CIPHER_free(cipher_);
        if (legacy_ != nullptr) OSSL_PROVIDER_unload(legacy_);
    }

    // Runs OpenSSL's CAST5-ECB over whole blocks, without padding, with a 16-byte key.
    Bytes OpenSsl(bool encrypt, const std::uint8_t key[16], const Bytes& input)
    {
        const int enc = encrypt ? 1 : 0;
        Bytes output(input.size() + 8);
        int written = 0;
        int finalWritten = 0;
        EXPECT_EQ(1, EVP_CipherInit_ex2(context_, cipher_, nullptr, nullptr, enc, nullptr));
        EXPECT_EQ(1, EVP_CIPHER_CTX_set_key_length(context_, 16));
        EXPECT_EQ(1, EVP_CIPHER_CTX_set_padding(context_, 0));
        EXPECT_EQ(1, EVP_CipherInit_ex2(context_, nullptr, key, nullptr, enc, nullptr));
        EXPECT_EQ(1, EVP_CipherUpdate(context_, output.data(), &written, input.data(), static_cast<int>(input.size())));
        EXPECT_EQ(1, EVP_CipherFinal_ex(context_, output.data() + written, &finalWritten));
        output.resize(static_cast<std::size_t>(written + finalWritten));
        return output;
    }

    OSSL_PROVIDER* legacy_ = nullptr;
    EVP_CIPHER* cipher_ = nullptr;
    EVP_CIPHER_CTX* context_ = nullptr;
};

Bytes RandomBytes(std::mt19937& random, std::size_t length)
{
    Bytes bytes(length);
    for (auto& byte : bytes)
        byte = static_cast<std::uint8_t>(random());
    return bytes;
}

// Applies one of our block operations to every 8-byte block of `input`.
template <class BlockOp> Bytes Ours(BlockOp op, const std::uint8_t key[16], const Bytes& input)
{
    Bytes output(input.size());
    for (std::size_t offset = 0; offset < input.size(); offset += 8)
        op(key, output.data() + offset, input.data() + offset);
    return output;
}

TEST_F(Cast128MatchesOpenSsl, EncryptBlockGivesSameCiphertexts)
{
    std::mt19937 random(1997);
    for (int i = 0; i < kKeys; ++i) {
        const Bytes key = i == 0 ? Bytes(16, 0) : RandomBytes(random, 16);
        const Bytes plain = RandomBytes(random, 8 * kBlocksPerKey);
        SCOPED_TRACE(i);
        ASSERT_EQ(Ours(EncryptBlock, key.data(), plain), OpenSsl(true, key.data(), plain));
    }
}

TEST_F(Cast128MatchesOpenSsl, DecryptBlockGivesSamePlaintexts)
{
    std::mt19937 random(2144);
    for (int i = 0; i < kKeys; ++i) {
        const Bytes key = i == 0 ? Bytes(16, 0) : RandomBytes(random, 16);
        const Bytes cipher = RandomBytes(random, 8 * kBlocksPerKey);
        SCOPED_TRACE(i);
        ASSERT_EQ(Ours(DecryptBlock, key.data(), cipher), OpenSsl(false, key.data(), cipher));
    }
}

// The buffer helper's whole-block part is plain ECB: it must agree with OpenSSL over a long buffer.
TEST_F(Cast128MatchesOpenSsl, WholeBlockBufferIsEcb)
{
    std::mt19937 random(8);
    const Bytes key = RandomBytes(random, 16);
    const Bytes plain = RandomBytes(random, 4096);
    Bytes ours(EncipheredLength(plain.size()));
    EncipherBuffer(key.data(), plain.data(), plain.size(), ours.data());
    EXPECT_EQ(ours, OpenSsl(true, key.data(), plain));
}

} // namespace
} // namespace kivet::secure
