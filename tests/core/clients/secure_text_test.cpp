// The enciphering rules of a message text in a SecureRecord, under the real cipher: whole 8-byte
// blocks from the payload's start, zero fill, the plain length beside it, and a receiver that
// bounds what the record claims.
#include "messenger/clients/secure_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "messenger/clients/secure_record_writer.h"
#include "tests/core/clients/native_secure.h"

namespace kivet::test {
namespace {

SecureKey KeyOf(uint8_t seed)
{
    SecureKey key{};
    for (std::size_t i = 0; i < key.size(); ++i)
        key[i] = static_cast<uint8_t>(seed * 17 + i * 29 + 1);
    return key;
}

std::string TextOf(std::size_t length)
{
    std::string text(length, 'x');
    for (std::size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>('!' + (i * 7) % 90);
    return text;
}

bool AllZeroFrom(const SecureRecord& record, std::size_t offset)
{
    return std::all_of(record.payload + offset, record.payload + sizeof record.payload, [](uint8_t b) { return b == 0; });
}

class SecureText : public ::testing::Test {
protected:
    NativeSecure api{0, 0};
    SecureKey key = KeyOf(3);
    SecureRecord record = BuildMessageRecord("AUSER", "ALICE");
};

// --- enciphering ---

TEST_F(SecureText, ThirteenCharactersTravelAsSixteenPayloadBytes)
{
    EncipherText(api, key, "Hello, Kivet!", record);
    EXPECT_EQ(record.textLength, 13u);
    EXPECT_TRUE(AllZeroFrom(record, 16));
    EXPECT_NE(std::memcmp(record.payload, "Hello, Kivet!", 13), 0) << "the payload holds the plain text";
    // The second block is the last five characters followed by three zero bytes.
    uint8_t second[8];
    api.DecryptBlock(key, second, record.payload + 8);
    EXPECT_EQ(std::memcmp(second, "ivet!\0\0\0", 8), 0);
    EXPECT_EQ(DecipherText(api, key, record), "Hello, Kivet!");
}

TEST_F(SecureText, LengthsAroundTheBlockSizeAndThePayloadEnd)
{
    const struct {
        std::size_t plain;
        std::size_t payloadUsed;
    } rows[] = {{0, 0}, {1, 8}, {7, 8}, {8, 8}, {9, 16}, {4991, 4992}, {4992, 4992}, {4999, 5000}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.plain);
        SecureRecord fresh = BuildMessageRecord("AUSER", "ALICE");
        std::memset(fresh.payload, 0xEE, sizeof fresh.payload); // enciphering must clear what it does not use
        const std::string text = TextOf(row.plain);
        EncipherText(api, key, text, fresh);
        EXPECT_EQ(fresh.textLength, row.plain);
        EXPECT_TRUE(AllZeroFrom(fresh, row.payloadUsed));
        EXPECT_EQ(DecipherText(api, key, fresh), text);
    }
}

TEST_F(SecureText, TextIsCutAt4999CharactersAndAtItsFirstNul)
{
    const std::string longText = TextOf(6000);
    EncipherText(api, key, longText, record);
    EXPECT_EQ(record.textLength, 4999u);
    EXPECT_EQ(DecipherText(api, key, record), longText.substr(0, 4999));

    EncipherText(api, key, std::string("before\0after", 12), record);
    EXPECT_EQ(record.textLength, 6u);
    EXPECT_TRUE(AllZeroFrom(record, 8));
}

// --- deciphering ---

TEST_F(SecureText, EncipheredBytesThatContainZerosArriveComplete)
{
    // Find a text whose enciphered form holds a zero byte before its end: a receiver that stopped
    // at the first zero of the enciphered payload would lose the rest.
    std::string text;
    for (int n = 0; n < 5000 && text.empty(); ++n) {
        const std::string candidate = "Meeting at ten, room " + std::to_string(n) + ".";
        EncipherText(api, key, candidate, record);
        const std::size_t used = (candidate.size() + 7) / 8 * 8;
        if (std::find(record.payload, record.payload + used - 1, 0) != record.payload + used - 1) text = candidate;
    }
    ASSERT_FALSE(text.empty()) << "no enciphered text with a zero byte found";
    EXPECT_EQ(DecipherText(api, key, record), text);
}

TEST_F(SecureText, ClaimedLengthIsBoundedByThePayload)
{
    const std::string text = TextOf(4999);
    EncipherText(api, key, text, record);
    const struct {
        uint32_t claimed;
        std::size_t expected;
    } rows[] = {{0, 0}, {13, 13}, {4999, 4999}, {5000, 4999}, {5348, 4999}, {0xFFFFFFFFu, 4999}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.claimed);
        record.textLength = row.claimed;
        EXPECT_EQ(DecipherText(api, key, record), text.substr(0, row.expected));
    }
}

TEST_F(SecureText, DecipheredTextEndsAtTheFirstZeroByte)
{
    const uint8_t plain[16] = {'a', 'b', 'c', 0, 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o'};
    api.EncryptBlock(key, record.payload, plain);
    api.EncryptBlock(key, record.payload + 8, plain + 8);
    record.textLength = 16;
    EXPECT_EQ(DecipherText(api, key, record), "abc");
}

TEST_F(SecureText, WrongKeyGivesBoundedTextOfNoMoreThanTheLength)
{
    EncipherText(api, key, "Hello, Kivet!", record);
    const std::string garbled = DecipherText(api, KeyOf(4), record);
    EXPECT_LE(garbled.size(), 13u);
    EXPECT_NE(garbled, "Hello, Kivet!");
}

} // namespace
} // namespace kivet::test
