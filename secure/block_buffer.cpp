#include "secure/block_buffer.h"

namespace kivet::secure {

void EncipherBuffer(const std::uint8_t key[16], const std::uint8_t* plain, std::size_t length, std::uint8_t* out)
{
    EncipherBuffer(EncryptBlock, key, plain, length, out);
}

bool DecipherBuffer(const std::uint8_t key[16], const std::uint8_t* enciphered, std::size_t length, std::uint8_t* out)
{
    return DecipherBuffer(DecryptBlock, key, enciphered, length, out);
}

} // namespace kivet::secure
