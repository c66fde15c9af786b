#include "secure/key_agreement.h"

#include <cstring>
#include <ctime>

namespace kivet::secure {
namespace {

// PCG32 (XSH-RR output of a 64-bit linear congruential state; M. E. O'Neill, pcg-random.org) with
// the reference multiplier and stream increment. It is small, fast and statistically sound, and
// unlike std::rand its sequence is the same on every C library. The prekey code wants numbers
// 0..32767, so the top 15 bits of each 32-bit output are used.
constexpr uint64_t kPcgMultiplier = 6364136223846793005ULL;
constexpr uint64_t kPcgIncrement = 1442695040888963407ULL;
constexpr unsigned kRandomBits = 15;

uint64_t PcgStep(uint64_t state)
{
    return state * kPcgMultiplier + kPcgIncrement;
}

uint32_t PcgOutput(uint64_t state)
{
    uint32_t xorShifted = static_cast<uint32_t>(((state >> 18) ^ state) >> 27);
    unsigned rotation = static_cast<unsigned>(state >> 59);
    return (xorShifted >> rotation) | (xorShifted << ((32 - rotation) & 31));
}

// The reference seeding: one step from zero, add the seed, one more step.
uint64_t PcgSeed(uint32_t seed)
{
    return PcgStep(PcgStep(0) + seed);
}

void StoreLe64(uint8_t* out, uint64_t value)
{
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<uint8_t>(value >> (8 * i));
}

void StoreLe32(uint8_t* out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint64_t LoadLe64(const uint8_t* in)
{
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = (value << 8) | in[i];
    return value;
}

// Values at offsets 0, 8, ..., 288: P0 = g^u, then each the power of g to the one before.
// The last 4 bytes stay zero.
void WritePreKey(uint64_t exponent, uint8_t prekey[kPreKeySize])
{
    std::memset(prekey, 0, kPreKeySize);
    uint64_t value = ModExp(kGenerator, exponent);
    for (std::size_t k = 0; k < kPreKeyValueCount; ++k) {
        StoreLe64(prekey + 8 * k, value);
        value = ModExp(kGenerator, value);
    }
}

// s0 is the shared secret, s1..s3 the powers of g chained from it; each as 32 bits little-endian.
void WriteKey(uint64_t sharedSecret, uint8_t key[kAgreedKeySize])
{
    uint64_t word = sharedSecret;
    for (std::size_t j = 0; j < kAgreedKeySize / 4; ++j) {
        StoreLe32(key + 4 * j, static_cast<uint32_t>(word));
        word = ModExp(kGenerator, word);
    }
}

} // namespace

uint64_t ModExp(uint64_t base, uint64_t exponent)
{
    uint64_t square = base; // T0 is the base as given, not reduced
    uint64_t result = 1;
    for (int bit = 0; bit < 64; ++bit) {
        if ((exponent >> bit) & 1) result = (square * result) % kModulus;
        square = (square * square) % kModulus;
    }
    return result;
}

KeyAgreement::KeyAgreement(uint32_t seed) : randomState_(PcgSeed(seed)) {}

KeyAgreement::~KeyAgreement()
{
    ForgetExponent();
}

uint32_t KeyAgreement::NextRandom()
{
    uint64_t current = randomState_;
    randomState_ = PcgStep(current);
    return PcgOutput(current) >> (32 - kRandomBits);
}

// A product of random factors 1..32768 grown until it reaches the modulus, reduced modulo it.
// Every factor is below the prime modulus, so the product is never a multiple of it and the
// exponent is never 0 (which would be indistinguishable from "nothing pending"). The product stays
// below 32768 * p < 2^45, well inside 64 bits.
uint64_t KeyAgreement::DrawExponent()
{
    uint64_t product = 1;
    while (product < kModulus)
        product *= NextRandom() + 1;
    return product % kModulus;
}

// Written through a volatile reference so the store survives as the last act before destruction.
void KeyAgreement::ForgetExponent()
{
    *static_cast<volatile uint64_t*>(&pendingExponent_) = 0;
}

void KeyAgreement::GeneratePreKey(uint8_t prekey[kPreKeySize])
{
    pendingExponent_ = DrawExponent();
    WritePreKey(pendingExponent_, prekey);
}

void KeyAgreement::GenerateKey(const uint8_t peerPrekey[kPreKeySize], uint8_t key[kAgreedKeySize])
{
    uint64_t peerValue = LoadLe64(peerPrekey);
    uint64_t sharedSecret = ModExp(peerValue, pendingExponent_);
    ForgetExponent();
    WriteKey(sharedSecret, key);
}

void ModuleKeyAgreement::Initialize(uint32_t seed)
{
    std::lock_guard<std::mutex> hold(lock_);
    state_.emplace(seed);
}

void ModuleKeyAgreement::UnInitialize()
{
    std::lock_guard<std::mutex> hold(lock_);
    state_.reset();
}

void ModuleKeyAgreement::GeneratePreKey(uint8_t prekey[kPreKeySize])
{
    std::lock_guard<std::mutex> hold(lock_);
    if (state_)
        state_->GeneratePreKey(prekey);
    else
        std::memset(prekey, 0, kPreKeySize);
}

void ModuleKeyAgreement::GenerateKey(const uint8_t peerPrekey[kPreKeySize], uint8_t key[kAgreedKeySize])
{
    std::lock_guard<std::mutex> hold(lock_);
    if (state_)
        state_->GenerateKey(peerPrekey, key);
    else
        std::memset(key, 0, kAgreedKeySize);
}

ModuleKeyAgreement& LoadedModuleKeyAgreement()
{
    static ModuleKeyAgreement agreement;
    return agreement;
}

uint32_t CurrentTimeSeed()
{
    return static_cast<uint32_t>(std::time(nullptr));
}

} // namespace kivet::secure
