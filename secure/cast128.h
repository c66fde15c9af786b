// CAST-128 (RFC 2144) with a 128-bit key and 16 rounds: the one-block operations behind
// IKivetSecure::EncryptBlock and IKivetSecure::DecryptBlock.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kivet::secure {

constexpr std::size_t kCastKeyBytes = 16;
constexpr std::size_t kCastBlockBytes = 8;

// Enciphers the 8-byte block `in` under the 16-byte `key` into `out`. Bytes 0-3 of `in` are L0 and
// bytes 4-7 are R0, both big-endian; `out` receives R16 in bytes 0-3 and L16 in bytes 4-7. All of
// `in` and `key` is read before `out` is written, so `out` may be the same buffer as `in`.
// Safe to call from several threads at once with different keys.
void EncryptBlock(const std::uint8_t key[16], std::uint8_t out[8], const std::uint8_t in[8]);

// Inverts EncryptBlock for the same key; same byte layout and aliasing rules.
void DecryptBlock(const std::uint8_t key[16], std::uint8_t out[8], const std::uint8_t in[8]);

namespace cast128_tables {

// S1..S8 of RFC 2144 Appendix A as kSBoxes[0]..kSBoxes[7]; defined in the generated
// cast128_sboxes.cpp (tools/gen_cast128_sboxes.py).
extern const std::uint32_t kSBoxes[8][256];

} // namespace cast128_tables

} // namespace kivet::secure
