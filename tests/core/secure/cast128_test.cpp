#include "secure/cast128.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <random>
#include <thread>
#include <vector>

namespace kivet::secure {
namespace {

using Key = std::array<std::uint8_t, 16>;
using Block = std::array<std::uint8_t, 8>;

constexpr Key kRfcKey = {0x01, 0x23, 0x45, 0x67, 0x12, 0x34, 0x56, 0x78,
                         0x23, 0x45, 0x67, 0x89, 0x34, 0x56, 0x78, 0x9A};
constexpr Block kRfcPlain = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
constexpr Block kRfcCipher = {0x23, 0x8B, 0x4F, 0xE5, 0x84, 0x7E, 0x44, 0xB2};

// Ciphertexts recorded from OpenSSL's CAST5-ECB (openssl enc -cast5-ecb -nopad -provider legacy).
constexpr Key kZeroKey = {};
constexpr Block kZeroBlock = {};
constexpr Block kZeroKeyZeroBlockCipher = {0x13, 0xC5, 0x02, 0xB3, 0x54, 0xD5, 0x38, 0x71};
constexpr Block kZeroKeyRfcPlainCipher = {0x7E, 0x6C, 0xED, 0x12, 0xCA, 0x61, 0xEF, 0x6F};
// kRfcKey with its last byte changed from 9A to 9B, enciphering kRfcPlain.
constexpr Key kRfcKeyLastByteChanged = {0x01, 0x23, 0x45, 0x67, 0x12, 0x34, 0x56, 0x78,
                                        0x23, 0x45, 0x67, 0x89, 0x34, 0x56, 0x78, 0x9B};
constexpr Block kLastByteChangedCipher = {0x7D, 0x28, 0xD0, 0xA6, 0x5D, 0xFB, 0x5F, 0x28};

Block Encrypt(const Key& key, const Block& in)
{
    Block out{};
    EncryptBlock(key.data(), out.data(), in.data());
    return out;
}

Block Decrypt(const Key& key, const Block& in)
{
    Block out{};
    DecryptBlock(key.data(), out.data(), in.data());
    return out;
}

template <class Bytes> Bytes RandomBytes(std::mt19937& random)
{
    Bytes bytes{};
    for (auto& byte : bytes)
        byte = static_cast<std::uint8_t>(random());
    return bytes;
}

// --- Published vectors of RFC 2144, Appendix B -------------------------------------------------

TEST(Cast128KnownAnswer, SingleBlockEnciphersToPublishedCiphertext)
{
    EXPECT_EQ(Encrypt(kRfcKey, kRfcPlain), kRfcCipher);
}

TEST(Cast128KnownAnswer, PublishedCiphertextDeciphersToPlaintext)
{
    EXPECT_EQ(Decrypt(kRfcKey, kRfcCipher), kRfcPlain);
}

// B.2: a and b start as the key; each iteration enciphers both halves of a under b, then both
// halves of b under the new a. After a million iterations both must match the published values.
// The key changes every second call, so this also exercises the key schedule four million times.
TEST(Cast128KnownAnswer, MillionIterationMaintenanceTest)
{
    std::uint8_t a[16];
    std::uint8_t b[16];
    std::memcpy(a, kRfcKey.data(), 16);
    std::memcpy(b, kRfcKey.data(), 16);
    for (int i = 0; i < 1000000; ++i) {
        EncryptBlock(b, a, a);
        EncryptBlock(b, a + 8, a + 8);
        EncryptBlock(a, b, b);
        EncryptBlock(a, b + 8, b + 8);
    }
    const std::uint8_t expectedA[16] = {0xEE, 0xA9, 0xD0, 0xA2, 0x49, 0xFD, 0x3B, 0xA6,
                                        0xB3, 0x43, 0x6F, 0xB8, 0x9D, 0x6D, 0xCA, 0x92};
    const std::uint8_t expectedB[16] = {0xB2, 0xC9, 0x5E, 0xB0, 0x0C, 0x31, 0xAD, 0x71,
                                        0x80, 0xAC, 0x05, 0xB8, 0xE8, 0x3D, 0x69, 0x6E};
    EXPECT_EQ(0, std::memcmp(a, expectedA, 16));
    EXPECT_EQ(0, std::memcmp(b, expectedB, 16));
}

// --- Decryption inverts encryption, whatever the key, block or buffer arrangement --------------

TEST(Cast128RoundTrip, DecryptInvertsEncryptForRandomKeysAndBlocks)
{
    std::mt19937 random(20240611);
    for (int i = 0; i < 2000; ++i) {
        const Key key = RandomBytes<Key>(random);
        const Block plain = RandomBytes<Block>(random);
        const Block cipher = Encrypt(key, plain);
        SCOPED_TRACE(i);
        EXPECT_NE(cipher, plain);
        EXPECT_EQ(Decrypt(key, cipher), plain);
    }
}

TEST(Cast128RoundTrip, SameBufferAsInputAndOutput)
{
    Block buffer = kRfcPlain;
    EncryptBlock(kRfcKey.data(), buffer.data(), buffer.data());
    EXPECT_EQ(buffer, kRfcCipher);
    DecryptBlock(kRfcKey.data(), buffer.data(), buffer.data());
    EXPECT_EQ(buffer, kRfcPlain);
}

TEST(Cast128RoundTrip, ZeroKeyAndZeroBlockAreOrdinaryInputs)
{
    EXPECT_EQ(Encrypt(kZeroKey, kZeroBlock), kZeroKeyZeroBlockCipher);
    EXPECT_EQ(Decrypt(kZeroKey, kZeroKeyZeroBlockCipher), kZeroBlock);
    EXPECT_EQ(Encrypt(kZeroKey, kRfcPlain), kZeroKeyRfcPlainCipher);
}

// A cached schedule must be replaced as soon as any key byte differs, and found again afterwards.
TEST(Cast128RoundTrip, SwitchingKeysBetweenCallsUsesEachCallsKey)
{
    struct Step {
        const Key* key;
        const Block* cipher;
    };
    const Step steps[] = {
        {&kRfcKey, &kRfcCipher},
        {&kRfcKey, &kRfcCipher},
        {&kZeroKey, &kZeroKeyRfcPlainCipher},
        {&kRfcKey, &kRfcCipher},
        {&kRfcKeyLastByteChanged, &kLastByteChangedCipher},
        {&kRfcKey, &kRfcCipher},
        {&kRfcKeyLastByteChanged, &kLastByteChangedCipher},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Encrypt(*steps[i].key, kRfcPlain), *steps[i].cipher);
        EXPECT_EQ(Decrypt(*steps[i].key, *steps[i].cipher), kRfcPlain);
    }
}

// Callers often reuse one key buffer for a new key: the contents decide, not the address.
TEST(Cast128RoundTrip, NewKeyInTheSameBufferTakesEffect)
{
    Key key = kRfcKey;
    EXPECT_EQ(Encrypt(key, kRfcPlain), kRfcCipher);
    key[15] = 0x9B;
    EXPECT_EQ(Encrypt(key, kRfcPlain), kLastByteChangedCipher);
    key = kZeroKey;
    EXPECT_EQ(Encrypt(key, kRfcPlain), kZeroKeyRfcPlainCipher);
}

// --- Threads with different keys never see each other's subkeys -------------------------------

TEST(Cast128Concurrency, ThreadsWithOwnKeysMatchSingleThreadResults)
{
    constexpr int kThreads = 4;
    constexpr int kBlocks = 64;
    constexpr int kRounds = 300;

    std::mt19937 random(77);
    std::vector<Key> keys;
    std::vector<std::vector<Block>> plain(kThreads);
    std::vector<std::vector<Block>> expected(kThreads);
    for (int t = 0; t < kThreads; ++t) {
        keys.push_back(RandomBytes<Key>(random));
        for (int b = 0; b < kBlocks; ++b) {
            plain[t].push_back(RandomBytes<Block>(random));
            expected[t].push_back(Encrypt(keys[t], plain[t][b]));
        }
    }

    std::vector<int> mismatches(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round) {
                for (int b = 0; b < kBlocks; ++b) {
                    const Block cipher = Encrypt(keys[t], plain[t][b]);
                    if (cipher != expected[t][b] || Decrypt(keys[t], cipher) != plain[t][b]) ++mismatches[t];
                }
            }
        });
    }
    for (auto& thread : threads)
        thread.join();

    for (int t = 0; t < kThreads; ++t)
        EXPECT_EQ(mismatches[t], 0) << "thread " << t;
}

// Each thread alternates between two keys, so every call changes the key its thread last used.
TEST(Cast128Concurrency, ThreadsAlternatingKeysMatchSingleThreadResults)
{
    constexpr int kThreads = 4;
    constexpr int kRounds = 5000;

    std::mt19937 random(91);
    std::vector<std::array<Key, 2>> keys(kThreads);
    std::vector<std::array<Block, 2>> expected(kThreads);
    const Block plain = RandomBytes<Block>(random);
    for (int t = 0; t < kThreads; ++t) {
        for (int k = 0; k < 2; ++k) {
            keys[t][k] = RandomBytes<Key>(random);
            expected[t][k] = Encrypt(keys[t][k], plain);
        }
    }

    std::vector<int> mismatches(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round) {
                const int k = round & 1;
                if (Encrypt(keys[t][k], plain) != expected[t][k]) ++mismatches[t];
            }
        });
    }
    for (auto& thread : threads)
        thread.join();

    for (int t = 0; t < kThreads; ++t)
        EXPECT_EQ(mismatches[t], 0) << "thread " << t;
}

} // namespace
} // namespace kivet::secure
