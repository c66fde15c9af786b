// Diffie-Hellman key agreement modulo a fixed 30-bit prime, in unsigned 64-bit arithmetic.
// Each side draws a private exponent and sends a 300-byte prekey (its public value followed by a
// chain of derived values); each side then turns the other's prekey into the same 16-byte key.
// The private exponent is used once and then forgotten.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>

namespace kivet::secure {

constexpr uint64_t kModulus = 1000000007;
constexpr uint64_t kGenerator = 9007;
constexpr std::size_t kPreKeySize = 300;
constexpr std::size_t kPreKeyValueCount = 37; // 8-byte values at offsets 0, 8, ..., 288
constexpr std::size_t kAgreedKeySize = 16;

// base^exponent mod kModulus by repeated squaring of the base as given: the base is not reduced
// first and every product wraps modulo 2^64 before it is reduced, so the result equals the true
// power only for bases below 2^32. The result is always below kModulus (1 for exponent 0).
uint64_t ModExp(uint64_t base, uint64_t exponent);

// One side's agreement state: the pseudo-random generator and the pending private exponent.
// Not thread-safe; ModuleKeyAgreement serialises access to the component's one instance.
class KeyAgreement {
public:
    explicit KeyAgreement(uint32_t seed);
    ~KeyAgreement();
    KeyAgreement(const KeyAgreement&) = delete;
    KeyAgreement& operator=(const KeyAgreement&) = delete;

    // Draws a new private exponent (replacing a pending one) and writes the prekey.
    void GeneratePreKey(uint8_t prekey[kPreKeySize]);

    // Derives the key from the first 8 bytes of the peer's prekey and the pending exponent, then
    // forgets the exponent. Without a pending exponent the shared value is 1, so the key is a fixed,
    // publicly computable value.
    void GenerateKey(const uint8_t peerPrekey[kPreKeySize], uint8_t key[kAgreedKeySize]);

private:
    uint32_t NextRandom();
    uint64_t DrawExponent();
    void ForgetExponent();

    uint64_t randomState_;
    uint64_t pendingExponent_ = 0;
};

// The agreement state of the loaded component, shared by every object and every thread that uses
// it. Initialize creates it, UnInitialize destroys it; one mutex covers each call.
//
// Without state (before Initialize or after UnInitialize) both operations write zeros: an all-zero
// prekey, which no real state produces (g^u mod p is never 0), and an all-zero key. Nothing is
// agreed then, and no caller buffer is left holding stale or uninitialised bytes.
class ModuleKeyAgreement {
public:
    // Creates a fresh state seeded with seed; a pending exponent of an earlier state is discarded.
    void Initialize(uint32_t seed);
    // Clears the pending exponent and destroys the state; does nothing when there is none.
    void UnInitialize();

    void GeneratePreKey(uint8_t prekey[kPreKeySize]);
    void GenerateKey(const uint8_t peerPrekey[kPreKeySize], uint8_t key[kAgreedKeySize]);

private:
    std::mutex lock_;
    std::optional<KeyAgreement> state_;
};

// The one agreement holder of the loaded component.
ModuleKeyAgreement& LoadedModuleKeyAgreement();

// The current time in whole seconds, cut to 32 bits: the seed Initialize is given.
uint32_t CurrentTimeSeed();

} // namespace kivet::secure
