// Enciphering buffers longer than one block the way every part of the system does it: consecutive
// 8-byte blocks from byte 0, each enciphered on its own under the same key (no IV, no chaining),
// and a final partial block of r bytes (1..7) filled up with 8 - r zero bytes. The plain length is
// not recorded in the output; callers carry it beside the enciphered data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "secure/cast128.h"

namespace kivet::secure {

// The longest plain buffer whose enciphered length is representable in std::size_t.
constexpr std::size_t kMaxPlainLength = std::numeric_limits<std::size_t>::max() & ~(kCastBlockBytes - 1);

// `plainLength` rounded up to a multiple of 8; no extra block when it already is one.
// Throws std::length_error when `plainLength` exceeds kMaxPlainLength, instead of wrapping to a
// small length that would under-size the caller's output buffer.
inline std::size_t EncipheredLength(std::size_t plainLength)
{
    if (plainLength > kMaxPlainLength) throw std::length_error("plain length has no enciphered length");
    return (plainLength + (kCastBlockBytes - 1)) & ~(kCastBlockBytes - 1);
}

// Enciphers `length` bytes of `plain` into `out`, which must hold EncipheredLength(length) bytes.
// `encryptBlock(key, out8, in8)` is called exactly once per output block, in order; it may be the
// COM interface's EncryptBlock wrapped in a lambda. `out` may equal `plain` (in place, the buffer
// then being EncipheredLength(length) long); other overlaps are not supported. Throws
// std::length_error, before any block is written, when `length` exceeds kMaxPlainLength.
template <class BlockFn>
void EncipherBuffer(BlockFn&& encryptBlock, const std::uint8_t key[16], const std::uint8_t* plain, std::size_t length,
                    std::uint8_t* out)
{
    static_cast<void>(EncipheredLength(length)); // refuses a length whose output size would wrap
    const std::size_t tail = length % kCastBlockBytes;
    const std::size_t whole = length - tail;
    for (std::size_t offset = 0; offset < whole; offset += kCastBlockBytes) {
        encryptBlock(key, out + offset, plain + offset);
    }
    if (tail != 0) {
        std::uint8_t last[kCastBlockBytes] = {};
        std::memcpy(last, plain + whole, tail);
        encryptBlock(key, out + whole, last);
    }
}

// Deciphers `length` enciphered bytes into `out` (the same length; `out` may equal `enciphered`),
// calling `decryptBlock(key, out8, in8)` once per block. The caller then cuts the result back to
// the plain length it carried. Returns false, calling nothing and writing nothing, when `length`
// is not a whole number of blocks: such data did not come from EncipherBuffer.
template <class BlockFn>
bool DecipherBuffer(BlockFn&& decryptBlock, const std::uint8_t key[16], const std::uint8_t* enciphered,
                    std::size_t length, std::uint8_t* out)
{
    if (length % kCastBlockBytes != 0) return false;
    for (std::size_t offset = 0; offset < length; offset += kCastBlockBytes) {
        decryptBlock(key, out + offset, enciphered + offset);
    }
    return true;
}

// The same two operations with this library's own EncryptBlock and DecryptBlock.
void EncipherBuffer(const std::uint8_t key[16], const std::uint8_t* plain, std::size_t length, std::uint8_t* out);
bool DecipherBuffer(const std::uint8_t key[16], const std::uint8_t* enciphered, std::size_t length, std::uint8_t* out);

} // namespace kivet::secure
