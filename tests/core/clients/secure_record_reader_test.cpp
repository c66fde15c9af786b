// Records from the network as the reader and the writer see them: names that fill their fields,
// names with bytes behind the terminator, lengths beyond the payload.
#include "messenger/clients/secure_record_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "messenger/clients/secure_record_writer.h"

namespace kivet {
namespace {

TEST(SecureRecordReader, NamesEndAtTheirTerminatorOrAfterNineteenCharacters)
{
    SecureRecord record{};
    std::memset(record.senderName, 'A', sizeof record.senderName); // no terminator at all
    std::memcpy(record.senderComputer, "BOB\0GARBAGE-BEHIND", 18);
    const SecureRecordFields fields = ReadSecureRecord(record);
    EXPECT_EQ(fields.senderName, std::string(19, 'A'));
    EXPECT_EQ(fields.senderComputer, "BOB");
}

TEST(SecureRecordReader, TextLengthIsBoundedAndTypeKept)
{
    const uint32_t rows[][2] = {{0, 0}, {4999, 4999}, {5000, 4999}, {0x80000000u, 4999}, {0xFFFFFFFFu, 4999}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row[0]);
        SecureRecord record{};
        record.type = 99;
        record.textLength = row[0];
        const SecureRecordFields fields = ReadSecureRecord(record);
        EXPECT_EQ(fields.textLength, row[1]);
        EXPECT_EQ(fields.type, 99u);
    }
}

TEST(SecureRecordWriter, LongNamesAreCutWithTheTerminatorInsideTheField)
{
    SecurePrekey prekey{};
    for (std::size_t i = 0; i < prekey.size(); ++i)
        prekey[i] = static_cast<uint8_t>(i + 1);
    const SecureRecord record =
        BuildKeyRecord(kSecureStatusAnswer, "A-VERY-LONG-USER-NAME-INDEED", std::string("PC\0X", 4), prekey);
    EXPECT_EQ(record.type, kSecureStatusAnswer);
    EXPECT_EQ(std::string(record.senderName), "A-VERY-LONG-USER-NA");
    EXPECT_EQ(std::string(record.senderComputer), "PC");
    EXPECT_EQ(record.senderComputer[3], 0) << "bytes behind a name's terminator stay zero";
    EXPECT_EQ(std::memcmp(record.prekey, prekey.data(), prekey.size()), 0);
    EXPECT_EQ(record.textLength, 0u);
}

} // namespace
} // namespace kivet
