#include "secure/key_agreement.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstring>
#include <random>
#include <set>
#include <thread>
#include <vector>

namespace kivet::secure {
namespace {

constexpr uint64_t p = kModulus;
constexpr uint64_t g = kGenerator;

using PreKey = std::array<uint8_t, kPreKeySize>;
using Key = std::array<uint8_t, kAgreedKeySize>;

// Square-and-multiply in 128-bit arithmetic: the exact power, whatever the base.
uint64_t ExactPower(uint64_t base, uint64_t exponent)
{
    unsigned __int128 result = 1;
    unsigned __int128 square = base % p;
    for (; exponent != 0; exponent >>= 1) {
        if (exponent & 1) result = result * square % p;
        square = square * square % p;
    }
    return static_cast<uint64_t>(result);
}

uint64_t ReadLe64(const uint8_t* in)
{
    uint64_t value = 0;
    for (int i = 0; i < 8; ++i)
        value |= static_cast<uint64_t>(in[i]) << (8 * i);
    return value;
}

uint32_t ReadLe32(const uint8_t* in)
{
    return static_cast<uint32_t>(in[0]) | static_cast<uint32_t>(in[1]) << 8 | static_cast<uint32_t>(in[2]) << 16 |
           static_cast<uint32_t>(in[3]) << 24;
}

PreKey PreKeyWithValue(uint64_t value, uint8_t filler)
{
    PreKey prekey;
    prekey.fill(filler);
    for (int i = 0; i < 8; ++i)
        prekey[i] = static_cast<uint8_t>(value >> (8 * i));
    return prekey;
}

// The key every side derives from the shared secret s0: s0 and three chained powers of g.
Key KeyFromSecret(uint64_t s0)
{
    Key key{};
    uint64_t word = s0;
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 4; ++i)
            key[4 * j + i] = static_cast<uint8_t>(word >> (8 * i));
        word = ExactPower(g, word);
    }
    return key;
}

testing::AssertionResult IsWellFormedPreKey(const PreKey& prekey)
{
    for (std::size_t k = 0; k < kPreKeyValueCount; ++k) {
        uint64_t value = ReadLe64(&prekey[8 * k]);
        if (value >= p) return testing::AssertionFailure() << "value " << k << " is " << value;
        if (k > 0 && value != ExactPower(g, ReadLe64(&prekey[8 * (k - 1)])))
            return testing::AssertionFailure() << "value " << k << " is not g to the one before";
    }
    for (std::size_t i = 296; i < kPreKeySize; ++i)
        if (prekey[i] != 0) return testing::AssertionFailure() << "byte " << i << " is not zero";
    return testing::AssertionSuccess();
}

testing::AssertionResult IsWellFormedKey(const Key& key)
{
    for (int j = 0; j < 4; ++j) {
        uint32_t word = ReadLe32(&key[4 * j]);
        if (word >= p) return testing::AssertionFailure() << "word " << j << " is " << word;
        if (j > 0 && word != ExactPower(g, ReadLe32(&key[4 * (j - 1)])))
            return testing::AssertionFailure() << "word " << j << " is not g to the one before";
    }
    return testing::AssertionSuccess();
}

bool IsAllZero(const uint8_t* bytes, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i)
        if (bytes[i] != 0) return false;
    return true;
}

// ---------------------------------------------------------------------------------------------

TEST(ModExpValues, EdgeArgumentsMatchTheExactPower)
{
    const struct {
        uint64_t base, exponent, expected;
    } rows[] = {
        {0, 0, 1},         {0, 5, 0}, {1, ~0ULL, 1}, {5, 0, 1},     {p - 1, 2, 1},
        {p - 1, 3, p - 1}, {p, 1, 0}, {p, 0, 1},     {2, p - 1, 1}, // Fermat: a^(p-1) = 1 for a prime modulus
        {g, p - 1, 1},     {g, 1, g}, {g, 2, g * g}, {p + 3, 2, 9}, // a base between p and 2^32 is reduced through the
                                                                    // first product
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.base << " ^ " << row.exponent);
        EXPECT_EQ(ModExp(row.base, row.exponent), row.expected);
        EXPECT_EQ(ExactPower(row.base, row.exponent), row.expected);
    }
}

TEST(ModExpValues, BasesBelowTwoToThe32MatchTheExactPowerForAnyExponent)
{
    std::mt19937_64 random(20031206);
    const uint64_t exponents[] = {p - 2, 1ULL << 63, ~0ULL, 0x8000000000000001ULL, 0xFFFFFFFF};
    const uint64_t bases[] = {g, p - 1, 0xFFFFFFFFULL, 4000000000ULL, 123456789};
    for (uint64_t base : bases)
        for (uint64_t exponent : exponents) {
            SCOPED_TRACE(testing::Message() << base << " ^ " << exponent);
            EXPECT_EQ(ModExp(base, exponent), ExactPower(base, exponent));
        }
    for (int i = 0; i < 3000; ++i) {
        uint64_t base = random() & 0xFFFFFFFFULL;
        uint64_t exponent = random();
        ASSERT_EQ(ModExp(base, exponent), ExactPower(base, exponent)) << base << " ^ " << exponent;
    }
}

// For a base of 2^32 or more the first squaring wraps modulo 2^64 before it is reduced; the
// expected values are worked out here one step at a time.
TEST(ModExpValues, LargeBasesWrapTheFirstSquareModuloTwoToThe64)
{
    const uint64_t b1 = (1ULL << 32) + 5;
    const uint64_t b1Squared = 10 * (1ULL << 32) + 25; // 2^64 + 10*2^32 + 25, wrapped
    const uint64_t b2 = ~0ULL;                         // (2^64 - 1)^2 wraps to 1
    const uint64_t b3 = 1ULL << 32;                    // (2^32)^2 wraps to 0
    const struct {
        uint64_t base, exponent, expected;
    } rows[] = {
        {b1, 1, b1 % p},
        {b1, 2, b1Squared % p},
        {b1, 3, (b1Squared % p) * (b1 % p) % p},
        {b2, 1, b2 % p},
        {b2, 2, 1},
        {b2, 6, 1},
        {b2, 3, b2 % p},
        {b3, 1, b3 % p},
        {b3, 2, 0},
        {b3, 3, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.base << " ^ " << row.exponent);
        EXPECT_EQ(ModExp(row.base, row.exponent), row.expected);
    }
    // The wrapped result is not the true power.
    EXPECT_NE(ModExp(b3, 2), ExactPower(b3, 2));
    EXPECT_NE(ModExp(b1, 2), ExactPower(b1, 2));
}

TEST(ModExpValues, ResultIsBelowTheModulusForAnyArguments)
{
    std::mt19937_64 random(7);
    for (int i = 0; i < 3000; ++i) {
        uint64_t base = random(), exponent = random();
        ASSERT_LT(ModExp(base, exponent), p) << base << " ^ " << exponent;
    }
}

// ---------------------------------------------------------------------------------------------

TEST(KeyAgreementExchange, TwoSidesDeriveTheSameKeyForManySeeds)
{
    for (uint32_t seed = 0; seed < 200; ++seed) {
        SCOPED_TRACE(seed);
        KeyAgreement alice(seed);
        KeyAgreement bob(seed * 2654435761u + 1);
        PreKey a{}, b{};
        alice.GeneratePreKey(a.data());
        bob.GeneratePreKey(b.data());
        Key keyA{}, keyB{};
        alice.GenerateKey(b.data(), keyA.data());
        bob.GenerateKey(a.data(), keyB.data());
        EXPECT_EQ(keyA, keyB);
        EXPECT_TRUE(IsWellFormedKey(keyA));
    }
}

// A peer whose exponent v is known: the shared secret is (g^u)^v, computed from our public value.
TEST(KeyAgreementExchange, KeyIsThePeerValueRaisedToThePrivateExponent)
{
    const uint64_t v = 123456789;
    const PreKey peer = PreKeyWithValue(ExactPower(g, v), 0);
    for (uint32_t seed : {1u, 42u, 1070000000u}) {
        SCOPED_TRACE(seed);
        KeyAgreement side(seed);
        PreKey prekey{};
        side.GeneratePreKey(prekey.data());
        Key key{};
        side.GenerateKey(peer.data(), key.data());
        EXPECT_EQ(key, KeyFromSecret(ExactPower(ReadLe64(prekey.data()), v)));
    }
}

TEST(KeyAgreementExchange, OnlyTheFirstEightBytesOfThePeerPreKeyCount)
{
    KeyAgreement bob(99);
    PreKey b{};
    bob.GeneratePreKey(b.data());
    PreKey altered = PreKeyWithValue(ReadLe64(b.data()), 0xA5);

    KeyAgreement alice1(5), alice2(5); // same seed: same private exponent
    PreKey a1{}, a2{};
    alice1.GeneratePreKey(a1.data());
    alice2.GeneratePreKey(a2.data());
    Key fromOriginal{}, fromAltered{};
    alice1.GenerateKey(b.data(), fromOriginal.data());
    alice2.GenerateKey(altered.data(), fromAltered.data());
    EXPECT_EQ(fromOriginal, fromAltered);
}

TEST(KeyAgreementExchange, SecondPreKeyReplacesThePendingExponent)
{
    KeyAgreement alice(11), bob(22);
    PreKey first{}, second{}, b{};
    alice.GeneratePreKey(first.data());
    alice.GeneratePreKey(second.data());
    bob.GeneratePreKey(b.data());
    Key aliceKey{}, bobKey{};
    alice.GenerateKey(b.data(), aliceKey.data());
    bob.GenerateKey(first.data(), bobKey.data());
    EXPECT_NE(aliceKey, bobKey);

    // The second prekey is the one that agrees.
    KeyAgreement bob2(22);
    PreKey b2{};
    bob2.GeneratePreKey(b2.data());
    Key bob2Key{};
    bob2.GenerateKey(second.data(), bob2Key.data());
    EXPECT_EQ(aliceKey, bob2Key);
}

TEST(KeyAgreementExchange, SecondKeyWithoutNewPreKeyUsesExponentZero)
{
    const Key fixedKey = KeyFromSecret(1); // s0 = y^0 = 1 whatever the peer sent
    KeyAgreement alice(3), bob(4);
    PreKey a{}, b{};
    alice.GeneratePreKey(a.data());
    bob.GeneratePreKey(b.data());
    Key first{}, second{}, third{};
    alice.GenerateKey(b.data(), first.data());
    alice.GenerateKey(b.data(), second.data());
    alice.GenerateKey(PreKeyWithValue(777, 0).data(), third.data());
    EXPECT_NE(first, fixedKey);
    EXPECT_EQ(second, fixedKey);
    EXPECT_EQ(third, fixedKey);
}

TEST(KeyAgreementExchange, HostilePeerValuesGiveWellFormedKeys)
{
    const uint64_t values[] = {0, 1, p - 1, p, 1ULL << 32, ~0ULL};
    for (uint64_t value : values) {
        SCOPED_TRACE(value);
        KeyAgreement side(17);
        PreKey prekey{};
        side.GeneratePreKey(prekey.data());
        Key key{};
        side.GenerateKey(PreKeyWithValue(value, 0xFF).data(), key.data());
        EXPECT_TRUE(IsWellFormedKey(key));
    }
}

// ---------------------------------------------------------------------------------------------

TEST(KeyAgreementPreKey, ValuesAreChainedPowersBelowTheModulusAndTheTailIsZero)
{
    for (uint32_t seed = 0; seed < 100; ++seed) {
        SCOPED_TRACE(seed);
        KeyAgreement side(seed);
        PreKey prekey;
        prekey.fill(0xCC);
        side.GeneratePreKey(prekey.data());
        EXPECT_TRUE(IsWellFormedPreKey(prekey));
        EXPECT_NE(ReadLe64(prekey.data()), 0u);
    }
}

TEST(KeyAgreementPreKey, SeedDecidesTheSequence)
{
    std::set<uint64_t> publicValues;
    for (uint32_t seed = 0; seed < 100; ++seed) {
        KeyAgreement side(seed), twin(seed);
        PreKey a{}, b{};
        side.GeneratePreKey(a.data());
        twin.GeneratePreKey(b.data());
        EXPECT_EQ(a, b) << seed;
        publicValues.insert(ReadLe64(a.data()));
    }
    EXPECT_GE(publicValues.size(), 95u);
}

TEST(KeyAgreementPreKey, EachCallDrawsAFreshExponent)
{
    KeyAgreement side(2024);
    std::set<uint64_t> publicValues;
    for (int i = 0; i < 50; ++i) {
        PreKey prekey{};
        side.GeneratePreKey(prekey.data());
        publicValues.insert(ReadLe64(prekey.data()));
    }
    EXPECT_GE(publicValues.size(), 48u);
}

// ---------------------------------------------------------------------------------------------

TEST(ModuleKeyAgreementLifecycle, WithoutStateBothOperationsWriteZeros)
{
    ModuleKeyAgreement module;
    PreKey prekey;
    prekey.fill(0xAB);
    Key key;
    key.fill(0xAB);
    module.GeneratePreKey(prekey.data());
    module.GenerateKey(PreKeyWithValue(12345, 0).data(), key.data());
    EXPECT_TRUE(IsAllZero(prekey.data(), prekey.size()));
    EXPECT_TRUE(IsAllZero(key.data(), key.size()));

    module.Initialize(1);
    module.UnInitialize();
    prekey.fill(0xAB);
    key.fill(0xAB);
    module.GeneratePreKey(prekey.data());
    module.GenerateKey(PreKeyWithValue(12345, 0).data(), key.data());
    EXPECT_TRUE(IsAllZero(prekey.data(), prekey.size()));
    EXPECT_TRUE(IsAllZero(key.data(), key.size()));
}

TEST(ModuleKeyAgreementLifecycle, InitializedModuleWorksLikeAnAgreementWithItsSeed)
{
    ModuleKeyAgreement module;
    module.Initialize(31337);
    KeyAgreement reference(31337), peer(8);
    PreKey fromModule{}, fromReference{}, fromPeer{};
    module.GeneratePreKey(fromModule.data());
    reference.GeneratePreKey(fromReference.data());
    peer.GeneratePreKey(fromPeer.data());
    EXPECT_EQ(fromModule, fromReference);

    Key moduleKey{}, peerKey{};
    module.GenerateKey(fromPeer.data(), moduleKey.data());
    peer.GenerateKey(fromModule.data(), peerKey.data());
    EXPECT_EQ(moduleKey, peerKey);
}

TEST(ModuleKeyAgreementLifecycle, SecondInitializeDiscardsThePendingExponent)
{
    ModuleKeyAgreement module;
    module.Initialize(1);
    module.Initialize(1);
    PreKey prekey{};
    module.GeneratePreKey(prekey.data());
    module.Initialize(2);
    Key key{};
    module.GenerateKey(PreKeyWithValue(ExactPower(g, 5), 0).data(), key.data());
    EXPECT_EQ(key, KeyFromSecret(1));
}

TEST(ModuleKeyAgreementLifecycle, UnInitializeForgetsThePendingExponentAndRepeatsHarmlessly)
{
    ModuleKeyAgreement module;
    module.Initialize(1);
    PreKey prekey{};
    module.GeneratePreKey(prekey.data());
    module.UnInitialize();
    module.UnInitialize();
    module.Initialize(1);
    Key key{};
    module.GenerateKey(PreKeyWithValue(ExactPower(g, 5), 0).data(), key.data());
    EXPECT_EQ(key, KeyFromSecret(1));
}

// ---------------------------------------------------------------------------------------------

TEST(KeyAgreementConcurrency, ManyThreadsGetWellFormedPreKeysAndKeys)
{
    ModuleKeyAgreement module;
    module.Initialize(4242);
    std::atomic<int> malformed{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t)
        threads.emplace_back([&module, &malformed, t] {
            KeyAgreement peer(static_cast<uint32_t>(t));
            for (int i = 0; i < 100; ++i) {
                PreKey mine{}, theirs{};
                Key key{};
                module.GeneratePreKey(mine.data());
                peer.GeneratePreKey(theirs.data());
                module.GenerateKey(theirs.data(), key.data());
                if (!IsWellFormedPreKey(mine) || !IsWellFormedKey(key)) ++malformed;
            }
        });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(malformed.load(), 0);
}

// Operations racing with Initialize/UnInitialize see either a whole state or none (zeros).
TEST(KeyAgreementConcurrency, OperationsRacingWithInitializeSeeWholeStateOrZeros)
{
    ModuleKeyAgreement module;
    std::atomic<bool> stop{false};
    std::atomic<int> malformed{0};
    std::thread lifecycle([&] {
        for (uint32_t seed = 0; !stop.load(); ++seed) {
            module.Initialize(seed);
            module.UnInitialize();
        }
    });
    std::vector<std::thread> users;
    for (int t = 0; t < 4; ++t)
        users.emplace_back([&] {
            const PreKey peer = PreKeyWithValue(ExactPower(g, 99), 0);
            for (int i = 0; i < 200; ++i) {
                PreKey prekey{};
                Key key{};
                module.GeneratePreKey(prekey.data());
                module.GenerateKey(peer.data(), key.data());
                bool prekeyOk = IsAllZero(prekey.data(), prekey.size()) || IsWellFormedPreKey(prekey);
                bool keyOk = IsAllZero(key.data(), key.size()) || IsWellFormedKey(key);
                if (!prekeyOk || !keyOk) ++malformed;
            }
        });
    for (auto& user : users)
        user.join();
    stop = true;
    lifecycle.join();
    EXPECT_EQ(malformed.load(), 0);
}

} // namespace
} // namespace kivet::secure
