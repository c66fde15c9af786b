#include "secure/cast128.h"

#include <cstring>

namespace kivet::secure {
namespace {

constexpr const auto& kS1 = cast128_tables::kSBoxes[0];
constexpr const auto& kS2 = cast128_tables::kSBoxes[1];
constexpr const auto& kS3 = cast128_tables::kSBoxes[2];
constexpr const auto& kS4 = cast128_tables::kSBoxes[3];
constexpr const auto& kS5 = cast128_tables::kSBoxes[4];
constexpr const auto& kS6 = cast128_tables::kSBoxes[5];
constexpr const auto& kS7 = cast128_tables::kSBoxes[6];
constexpr const auto& kS8 = cast128_tables::kSBoxes[7];

// Masking subkeys Km1..Km16 and rotation amounts Kr1..Kr16 (already cut to their low 5 bits).
struct Subkeys {
    std::uint32_t km[16];
    std::uint32_t kr[16];
};

// The subkeys of the last key this thread used. Callers pass the key with every 8-byte block, so
// nearly every call finds its key here and skips the schedule. One per thread: a call never sees
// subkeys another thread is writing, whatever keys the threads use.
struct CachedSchedule {
    bool valid;
    std::uint8_t key[16];
    Subkeys subkeys;
};
thread_local CachedSchedule tLastSchedule{};

std::uint32_t LoadBigEndian(const std::uint8_t* bytes)
{
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) |
           std::uint32_t{bytes[3]};
}

void StoreBigEndian(std::uint8_t* bytes, std::uint32_t value)
{
    bytes[0] = static_cast<std::uint8_t>(value >> 24);
    bytes[1] = static_cast<std::uint8_t>(value >> 16);
    bytes[2] = static_cast<std::uint8_t>(value >> 8);
    bytes[3] = static_cast<std::uint8_t>(value);
}

// Bytes of a big-endian word, B0 the most significant. Always inlined, even in unoptimised builds,
// because the key schedule makes 320 of these extractions for every new key.
[[gnu::always_inline]] inline std::uint32_t B0(std::uint32_t w)
{
    return w >> 24;
}
[[gnu::always_inline]] inline std::uint32_t B1(std::uint32_t w)
{
    return (w >> 16) & 0xFF;
}
[[gnu::always_inline]] inline std::uint32_t B2(std::uint32_t w)
{
    return (w >> 8) & 0xFF;
}
[[gnu::always_inline]] inline std::uint32_t B3(std::uint32_t w)
{
    return w & 0xFF;
}

// One half of the RFC 2144 key schedule: derives sixteen values K from the running state x0..xF
// and leaves that state as the next half must find it. Run twice, it yields K1..K16 and K17..K32.
// The state is held as big-endian words named after their bytes (x0123 holds x0..x3), so the
// RFC's byte xD reads B1(xCDEF) and each line below matches the published schedule term by term.
void DeriveSixteen(std::uint32_t x[4], std::uint32_t k[16])
{
    std::uint32_t x0123 = x[0], x4567 = x[1], x89AB = x[2], xCDEF = x[3];
    std::uint32_t z0123, z4567, z89AB, zCDEF;

    z0123 = x0123 ^ kS5[B1(xCDEF)] ^ kS6[B3(xCDEF)] ^ kS7[B0(xCDEF)] ^ kS8[B2(xCDEF)] ^ kS7[B0(x89AB)];
    z4567 = x89AB ^ kS5[B0(z0123)] ^ kS6[B2(z0123)] ^ kS7[B1(z0123)] ^ kS8[B3(z0123)] ^ kS8[B2(x89AB)];
    z89AB = xCDEF ^ kS5[B3(z4567)] ^ kS6[B2(z4567)] ^ kS7[B1(z4567)] ^ kS8[B0(z4567)] ^ kS5[B1(x89AB)];
    zCDEF = x4567 ^ kS5[B2(z89AB)] ^ kS6[B1(z89AB)] ^ kS7[B3(z89AB)] ^ kS8[B0(z89AB)] ^ kS6[B3(x89AB)];
    k[0] = kS5[B0(z89AB)] ^ kS6[B1(z89AB)] ^ kS7[B3(z4567)] ^ kS8[B2(z4567)] ^ kS5[B2(z0123)];
    k[1] = kS5[B2(z89AB)] ^ kS6[B3(z89AB)] ^ kS7[B1(z4567)] ^ kS8[B0(z4567)] ^ kS6[B2(z4567)];
    k[2] = kS5[B0(zCDEF)] ^ kS6[B1(zCDEF)] ^ kS7[B3(z0123)] ^ kS8[B2(z0123)] ^ kS7[B1(z89AB)];
    k[3] = kS5[B2(zCDEF)] ^ kS6[B3(zCDEF)] ^ kS7[B1(z0123)] ^ kS8[B0(z0123)] ^ kS8[B0(zCDEF)];

    x0123 = z89AB ^ kS5[B1(z4567)] ^ kS6[B3(z4567)] ^ kS7[B0(z4567)] ^ kS8[B2(z4567)] ^ kS7[B0(z0123)];
    x4567 = z0123 ^ kS5[B0(x0123)] ^ kS6[B2(x0123)] ^ kS7[B1(x0123)] ^ kS8[B3(x0123)] ^ kS8[B2(z0123)];
    x89AB = z4567 ^ kS5[B3(x4567)] ^ kS6[B2(x4567)] ^ kS7[B1(x4567)] ^ kS8[B0(x4567)] ^ kS5[B1(z0123)];
    xCDEF = zCDEF ^ kS5[B2(x89AB)] ^ kS6[B1(x89AB)] ^ kS7[B3(x89AB)] ^ kS8[B0(x89AB)] ^ kS6[B3(z0123)];
    k[4] = kS5[B3(x0123)] ^ kS6[B2(x0123)] ^ kS7[B0(xCDEF)] ^ kS8[B1(xCDEF)] ^ kS5[B0(x89AB)];
    k[5] = kS5[B1(x0123)] ^ kS6[B0(x0123)] ^ kS7[B2(xCDEF)] ^ kS8[B3(xCDEF)] ^ kS6[B1(xCDEF)];
    k[6] = kS5[B3(x4567)] ^ kS6[B2(x4567)] ^ kS7[B0(x89AB)] ^ kS8[B1(x89AB)] ^ kS7[B3(x0123)];
    k[7] = kS5[B1(x4567)] ^ kS6[B0(x4567)] ^ kS7[B2(x89AB)] ^ kS8[B3(x89AB)] ^ kS8[B3(x4567)];

    z0123 = x0123 ^ kS5[B1(xCDEF)] ^ kS6[B3(xCDEF)] ^ kS7[B0(xCDEF)] ^ kS8[B2(xCDEF)] ^ kS7[B0(x89AB)];
    z4567 = x89AB ^ kS5[B0(z0123)] ^ kS6[B2(z0123)] ^ kS7[B1(z0123)] ^ kS8[B3(z0123)] ^ kS8[B2(x89AB)];
    z89AB = xCDEF ^ kS5[B3(z4567)] ^ kS6[B2(z4567)] ^ kS7[B1(z4567)] ^ kS8[B0(z4567)] ^ kS5[B1(x89AB)];
    zCDEF = x4567 ^ kS5[B2(z89AB)] ^ kS6[B1(z89AB)] ^ kS7[B3(z89AB)] ^ kS8[B0(z89AB)] ^ kS6[B3(x89AB)];
    k[8] = kS5[B3(z0123)] ^ kS6[B2(z0123)] ^ kS7[B0(zCDEF)] ^ kS8[B1(zCDEF)] ^ kS5[B1(z89AB)];
    k[9] = kS5[B1(z0123)] ^ kS6[B0(z0123)] ^ kS7[B2(zCDEF)] ^ kS8[B3(zCDEF)] ^ kS6[B0(zCDEF)];
    k[10] = kS5[B3(z4567)] ^ kS6[B2(z4567)] ^ kS7[B0(z89AB)] ^ kS8[B1(z89AB)] ^ kS7[B2(z0123)];
    k[11] = kS5[B1(z4567)] ^ kS6[B0(z4567)] ^ kS7[B2(z89AB)] ^ kS8[B3(z89AB)] ^ kS8[B2(z4567)];

    x0123 = z89AB ^ kS5[B1(z4567)] ^ kS6[B3(z4567)] ^ kS7[B0(z4567)] ^ kS8[B2(z4567)] ^ kS7[B0(z0123)];
    x4567 = z0123 ^ kS5[B0(x0123)] ^ kS6[B2(x0123)] ^ kS7[B1(x0123)] ^ kS8[B3(x0123)] ^ kS8[B2(z0123)];
    x89AB = z4567 ^ kS5[B3(x4567)] ^ kS6[B2(x4567)] ^ kS7[B1(x4567)] ^ kS8[B0(x4567)] ^ kS5[B1(z0123)];
    xCDEF = zCDEF ^ kS5[B2(x89AB)] ^ kS6[B1(x89AB)] ^ kS7[B3(x89AB)] ^ kS8[B0(x89AB)] ^ kS6[B3(z0123)];
    k[12] = kS5[B0(x89AB)] ^ kS6[B1(x89AB)] ^ kS7[B3(x4567)] ^ kS8[B2(x4567)] ^ kS5[B3(x0123)];
    k[13] = kS5[B2(x89AB)] ^ kS6[B3(x89AB)] ^ kS7[B1(x4567)] ^ kS8[B0(x4567)] ^ kS6[B3(x4567)];
    k[14] = kS5[B0(xCDEF)] ^ kS6[B1(xCDEF)] ^ kS7[B3(x0123)] ^ kS8[B2(x0123)] ^ kS7[B0(x89AB)];
    k[15] = kS5[B2(xCDEF)] ^ kS6[B3(xCDEF)] ^ kS7[B1(x0123)] ^ kS8[B0(x0123)] ^ kS8[B1(xCDEF)];

    x[0] = x0123;
    x[1] = x4567;
    x[2] = x89AB;
    x[3] = xCDEF;
}

// The full RFC 2144 schedule for a 128-bit key: K1..K16 become Km1..Km16, the low 5 bits of
// K17..K32 become Kr1..Kr16.
void ExpandKey(const std::uint8_t key[16], Subkeys& subkeys)
{
    std::uint32_t x[4] = {LoadBigEndian(key), LoadBigEndian(key + 4), LoadBigEndian(key + 8), LoadBigEndian(key + 12)};
    std::uint32_t rotations[16];
    DeriveSixteen(x, subkeys.km);
    DeriveSixteen(x, rotations);
    for (int i = 0; i < 16; ++i) {
        subkeys.kr[i] = rotations[i] & 31;
    }
}

// The subkeys for `key`, from this thread's cache or freshly derived into it.
const Subkeys& SubkeysFor(const std::uint8_t key[16])
{
    CachedSchedule& cache = tLastSchedule;
    if (!cache.valid || std::memcmp(cache.key, key, kCastKeyBytes) != 0) {
        ExpandKey(key, cache.subkeys);
        std::memcpy(cache.key, key, kCastKeyBytes);
        cache.valid = true;
    }
    return cache.subkeys;
}

std::uint32_t RotateLeft(std::uint32_t value, std::uint32_t amount)
{
    return (value << amount) | (value >> ((32 - amount) & 31));
}

// The three round functions of RFC 2144; I is split into Ia (most significant byte) .. Id.
std::uint32_t RoundType1(std::uint32_t d, std::uint32_t km, std::uint32_t kr)
{
    const std::uint32_t i = RotateLeft(km + d, kr);
    return ((kS1[i >> 24] ^ kS2[(i >> 16) & 0xFF]) - kS3[(i >> 8) & 0xFF]) + kS4[i & 0xFF];
}

std::uint32_t RoundType2(std::uint32_t d, std::uint32_t km, std::uint32_t kr)
{
    const std::uint32_t i = RotateLeft(km ^ d, kr);
    return ((kS1[i >> 24] - kS2[(i >> 16) & 0xFF]) + kS3[(i >> 8) & 0xFF]) ^ kS4[i & 0xFF];
}

std::uint32_t RoundType3(std::uint32_t d, std::uint32_t km, std::uint32_t kr)
{
    const std::uint32_t i = RotateLeft(km - d, kr);
    return ((kS1[i >> 24] + kS2[(i >> 16) & 0xFF]) ^ kS3[(i >> 8) & 0xFF]) - kS4[i & 0xFF];
}

} // namespace

// The halves are never swapped: each round XORs f into the half that becomes the new right half,
// so after the sixteenth round `left` holds L16 and `right` holds R16. Round i uses type
// 1, 2, 3, 1, 2, 3, ... and subkeys Km[i-1], Kr[i-1].
void EncryptBlock(const std::uint8_t key[16], std::uint8_t out[8], const std::uint8_t in[8])
{
    const Subkeys& k = SubkeysFor(key);
    const std::uint32_t* km = k.km;
    const std::uint32_t* kr = k.kr;
    std::uint32_t left = LoadBigEndian(in);
    std::uint32_t right = LoadBigEndian(in + 4);

    left ^= RoundType1(right, km[0], kr[0]);
    right ^= RoundType2(left, km[1], kr[1]);
    left ^= RoundType3(right, km[2], kr[2]);
    right ^= RoundType1(left, km[3], kr[3]);
    left ^= RoundType2(right, km[4], kr[4]);
    right ^= RoundType3(left, km[5], kr[5]);
    left ^= RoundType1(right, km[6], kr[6]);
    right ^= RoundType2(left, km[7], kr[7]);
    left ^= RoundType3(right, km[8], kr[8]);
    right ^= RoundType1(left, km[9], kr[9]);
    left ^= RoundType2(right, km[10], kr[10]);
    right ^= RoundType3(left, km[11], kr[11]);
    left ^= RoundType1(right, km[12], kr[12]);
    right ^= RoundType2(left, km[13], kr[13]);
    left ^= RoundType3(right, km[14], kr[14]);
    right ^= RoundType1(left, km[15], kr[15]);

    StoreBigEndian(out, right);
    StoreBigEndian(out + 4, left);
}

// Enciphering's rounds undone from the sixteenth to the first, each with its own type and subkeys.
// The input is (R16, L16); the same never-swap scheme ends with (L0, R0) in (`right`, `left`).
void DecryptBlock(const std::uint8_t key[16], std::uint8_t out[8], const std::uint8_t in[8])
{
    const Subkeys& k = SubkeysFor(key);
    const std::uint32_t* km = k.km;
    const std::uint32_t* kr = k.kr;
    std::uint32_t left = LoadBigEndian(in);
    std::uint32_t right = LoadBigEndian(in + 4);

    left ^= RoundType1(right, km[15], kr[15]);
    right ^= RoundType3(left, km[14], kr[14]);
    left ^= RoundType2(right, km[13], kr[13]);
    right ^= RoundType1(left, km[12], kr[12]);
    left ^= RoundType3(right, km[11], kr[11]);
    right ^= RoundType2(left, km[10], kr[10]);
    left ^= RoundType1(right, km[9], kr[9]);
    right ^= RoundType3(left, km[8], kr[8]);
    left ^= RoundType2(right, km[7], kr[7]);
    right ^= RoundType1(left, km[6], kr[6]);
    left ^= RoundType3(right, km[5], kr[5]);
    right ^= RoundType2(left, km[4], kr[4]);
    left ^= RoundType1(right, km[3], kr[3]);
    right ^= RoundType3(left, km[2], kr[2]);
    left ^= RoundType2(right, km[1], kr[1]);
    right ^= RoundType1(left, km[0], kr[0]);

    StoreBigEndian(out, right);
    StoreBigEndian(out + 4, left);
}

} // namespace kivet::secure
