#include "secure/block_buffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <stdexcept>
#include <vector>

namespace kivet::secure {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kKey[16] = {0x3C, 0x11, 0x8A, 0x07, 0xF2, 0x5D, 0x90, 0x46,
                                   0xB8, 0x2E, 0x71, 0xC4, 0x09, 0xDA, 0x63, 0x1F};
constexpr std::uint8_t kGuard = 0xA5;
constexpr std::size_t kSizeMax = std::numeric_limits<std::size_t>::max();

Bytes PatternBytes(std::size_t length)
{
    Bytes bytes(length);
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<std::uint8_t>(0x10 + 7 * i);
    return bytes;
}

// The enciphered form of `plain` built block by block from the rule itself: whole blocks as they
// are, the last r bytes followed by 8 - r zero bytes.
Bytes ExpectedBlocks(const Bytes& plain)
{
    Bytes expected;
    for (std::size_t offset = 0; offset < plain.size(); offset += 8) {
        std::uint8_t block[8] = {};
        std::memcpy(block, plain.data() + offset, std::min<std::size_t>(8, plain.size() - offset));
        std::uint8_t cipher[8];
        EncryptBlock(kKey, cipher, block);
        expected.insert(expected.end(), cipher, cipher + 8);
    }
    return expected;
}

// --- Enciphered length -------------------------------------------------------------------------

TEST(BlockBufferLength, RoundsUpToWholeBlocks)
{
    struct Row {
        std::size_t plain;
        std::size_t enciphered;
    };
    const Row rows[] = {
        {0, 0},
        {1, 8},
        {7, 8},
        {8, 8},
        {9, 16},
        {13, 16},
        {15, 16},
        {16, 16},
        {17, 24},
        {5000, 5000},
        {5001, 5008},
        {kMaxPlainLength - 7, kMaxPlainLength},
        {kMaxPlainLength, kMaxPlainLength},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.plain);
        EXPECT_EQ(EncipheredLength(row.plain), row.enciphered);
    }
}

TEST(BlockBufferLength, LengthsThatWouldWrapAreRefused)
{
    for (std::size_t plain : {kMaxPlainLength + 1, kSizeMax - 1, kSizeMax}) {
        SCOPED_TRACE(plain);
        EXPECT_THROW(EncipheredLength(plain), std::length_error);
    }
}

// --- Enciphering: block layout and zero fill ---------------------------------------------------

TEST(BlockBufferEncipher, ThirteenBytesBecomeTwoBlocksWithThreeZeroBytes)
{
    const Bytes plain = PatternBytes(13);
    Bytes out(16 + 4, kGuard);
    EncipherBuffer(kKey, plain.data(), plain.size(), out.data());

    std::uint8_t first[8];
    EncryptBlock(kKey, first, plain.data());
    const std::uint8_t lastFilled[8] = {plain[8], plain[9], plain[10], plain[11], plain[12], 0, 0, 0};
    std::uint8_t second[8];
    EncryptBlock(kKey, second, lastFilled);

    EXPECT_EQ(0, std::memcmp(out.data(), first, 8));
    EXPECT_EQ(0, std::memcmp(out.data() + 8, second, 8));
    EXPECT_EQ(Bytes(out.begin() + 16, out.end()), Bytes(4, kGuard)) << "wrote past the enciphered length";
}

TEST(BlockBufferEncipher, LengthsAroundBlockEdgesMatchTheBlockRule)
{
    for (std::size_t length : {1, 7, 8, 9, 15, 16, 17, 64}) {
        SCOPED_TRACE(length);
        const Bytes plain = PatternBytes(length);
        const Bytes expected = ExpectedBlocks(plain);
        ASSERT_EQ(expected.size(), EncipheredLength(length));

        Bytes out(expected.size() + 8, kGuard);
        EncipherBuffer(kKey, plain.data(), plain.size(), out.data());
        EXPECT_EQ(Bytes(out.begin(), out.begin() + expected.size()), expected);
        EXPECT_EQ(Bytes(out.begin() + expected.size(), out.end()), Bytes(8, kGuard));
    }
}

TEST(BlockBufferEncipher, EmptyBufferWritesNothing)
{
    Bytes out(8, kGuard);
    EncipherBuffer(kKey, nullptr, 0, out.data());
    EXPECT_EQ(out, Bytes(8, kGuard));
}

TEST(BlockBufferEncipher, InPlaceMatchesSeparateOutput)
{
    for (std::size_t length : {5, 8, 13, 24}) {
        SCOPED_TRACE(length);
        const Bytes plain = PatternBytes(length);
        Bytes buffer = plain;
        buffer.resize(EncipheredLength(length), kGuard);
        EncipherBuffer(kKey, buffer.data(), length, buffer.data());
        EXPECT_EQ(buffer, ExpectedBlocks(plain));
    }
}

// --- Deciphering and the caller's cut back to the plain length ---------------------------------

TEST(BlockBufferRoundTrip, DecipherAndCutRestoresEveryLength)
{
    std::mt19937 random(4242);
    for (std::size_t length = 0; length <= 80; ++length) {
        SCOPED_TRACE(length);
        Bytes plain(length);
        for (auto& byte : plain)
            byte = static_cast<std::uint8_t>(random());

        Bytes enciphered(EncipheredLength(length));
        EncipherBuffer(kKey, plain.data(), length, enciphered.data());
        Bytes deciphered(enciphered.size());
        ASSERT_TRUE(DecipherBuffer(kKey, enciphered.data(), enciphered.size(), deciphered.data()));

        EXPECT_EQ(Bytes(deciphered.begin(), deciphered.begin() + length), plain);
        EXPECT_EQ(Bytes(deciphered.begin() + length, deciphered.end()), Bytes(deciphered.size() - length, 0))
            << "the fill bytes come back as zeros";
    }
}

TEST(BlockBufferRoundTrip, DecipherInPlace)
{
    const Bytes plain = PatternBytes(21);
    Bytes buffer = plain;
    buffer.resize(EncipheredLength(plain.size()));
    EncipherBuffer(kKey, buffer.data(), plain.size(), buffer.data());
    ASSERT_TRUE(DecipherBuffer(kKey, buffer.data(), buffer.size(), buffer.data()));
    buffer.resize(plain.size());
    EXPECT_EQ(buffer, plain);
}

TEST(BlockBufferRoundTrip, PartialBlockLengthIsRefusedUntouched)
{
    const Bytes enciphered = PatternBytes(16);
    for (std::size_t length : {1, 7, 9, 15}) {
        SCOPED_TRACE(length);
        Bytes out(16, kGuard);
        EXPECT_FALSE(DecipherBuffer(kKey, enciphered.data(), length, out.data()));
        EXPECT_EQ(out, Bytes(16, kGuard));
    }
}

// --- The block-function form used through the component interface -----------------------------

struct RecordedCall {
    const std::uint8_t* key;
    std::uint8_t* out;
    Bytes in;
};

// Stands in for the interface's block method: records each call and writes a recognisable block.
struct RecordingBlockFn {
    std::vector<RecordedCall>* calls;
    void operator()(const std::uint8_t* key, std::uint8_t* out, const std::uint8_t* in) const
    {
        calls->push_back({key, out, Bytes(in, in + 8)});
        std::memset(out, 0xEE, 8);
    }
};

TEST(BlockBufferBlockFunction, CalledOncePerBlockInOrder)
{
    for (std::size_t length : {0, 1, 7, 8, 9, 13, 16, 40}) {
        SCOPED_TRACE(length);
        const Bytes plain = PatternBytes(length);
        Bytes out(EncipheredLength(length));
        std::vector<RecordedCall> calls;
        EncipherBuffer(RecordingBlockFn{&calls}, kKey, plain.data(), length, out.data());

        ASSERT_EQ(calls.size(), out.size() / 8);
        for (std::size_t i = 0; i < calls.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(calls[i].key, kKey);
            EXPECT_EQ(calls[i].out, out.data() + 8 * i);
            Bytes expectedIn(8, 0);
            std::memcpy(expectedIn.data(), plain.data() + 8 * i, std::min<std::size_t>(8, length - 8 * i));
            EXPECT_EQ(calls[i].in, expectedIn);
        }
    }
}

TEST(BlockBufferBlockFunction, DecipherCalledOncePerBlock)
{
    const Bytes enciphered = PatternBytes(24);
    Bytes out(24);
    std::vector<RecordedCall> calls;
    ASSERT_TRUE(DecipherBuffer(RecordingBlockFn{&calls}, kKey, enciphered.data(), enciphered.size(), out.data()));
    ASSERT_EQ(calls.size(), 3u);
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].out, out.data() + 8 * i);
        EXPECT_EQ(calls[i].in, Bytes(enciphered.begin() + 8 * i, enciphered.begin() + 8 * i + 8));
    }
}

TEST(BlockBufferBlockFunction, OversizedLengthThrowsBeforeAnyCall)
{
    const std::uint8_t plain[8] = {};
    std::uint8_t out[8] = {};
    std::vector<RecordedCall> calls;
    EXPECT_THROW(EncipherBuffer(RecordingBlockFn{&calls}, kKey, plain, kSizeMax, out), std::length_error);
    EXPECT_TRUE(calls.empty());
}

} // namespace
} // namespace kivet::secure
