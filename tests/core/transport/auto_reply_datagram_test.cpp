#include "messenger/transport/auto_reply_datagram.h"

#include <string>

#include <gtest/gtest.h>

#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

using namespace std::string_literals;
using test::TestCodec;

std::string At(const AutoReplyDatagramBytes& bytes, std::size_t offset, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(bytes.data()) + offset, size);
}

AutoReplyFields Answer(std::string message)
{
    AutoReplyFields fields;
    fields.kind = kAutoReplyAnswer;
    fields.computerName = "PC-07";
    fields.addressedTo = "PC-BOB";
    fields.message = std::move(message);
    return fields;
}

TEST(AutoReplyDatagram, FieldsSitAtTheirOffsetsInOem)
{
    const AutoReplyDatagramBytes bytes = BuildAutoReplyDatagram(TestCodec(), Answer("caf\xE9"));
    EXPECT_EQ(bytes.size(), 292u);
    EXPECT_EQ(At(bytes, 0, 4), "\x01\0\0\0"s);
    EXPECT_EQ(At(bytes, 4, 16), "PC-07\0\0\0\0\0\0\0\0\0\0\0"s);
    EXPECT_EQ(At(bytes, 20, 16), "PC-BOB\0\0\0\0\0\0\0\0\0\0"s);
    EXPECT_EQ(At(bytes, 36, 5), "caf\x82\0"s);
    EXPECT_EQ(At(bytes, 41, 251), std::string(251, '\0'));
}

TEST(AutoReplyDatagram, RequestWithEmptyMessageIsTheWholeRecord)
{
    AutoReplyFields request;
    request.computerName = "PC-07";
    request.addressedTo = "PC-BOB";
    const AutoReplyDatagramBytes bytes = BuildAutoReplyDatagram(TestCodec(), request);
    EXPECT_EQ(bytes.size(), 292u);
    EXPECT_EQ(At(bytes, 0, 4), "\0\0\0\0"s);
    EXPECT_EQ(At(bytes, 36, 256), std::string(256, '\0'));
}

TEST(AutoReplyDatagram, FieldsAreCutInsideTheirWidths)
{
    AutoReplyFields fields = Answer(std::string(300, 'm'));
    fields.computerName = std::string(16, 'C');
    fields.addressedTo = std::string(30, 'T');
    const AutoReplyDatagramBytes bytes = BuildAutoReplyDatagram(TestCodec(), fields);
    EXPECT_EQ(At(bytes, 4, 16), std::string(15, 'C') + '\0');
    EXPECT_EQ(At(bytes, 20, 16), std::string(15, 'T') + '\0');
    EXPECT_EQ(At(bytes, 36, 256), std::string(255, 'm') + '\0');
}

TEST(AutoReplyDatagram, OemRoundTripGivesTheFieldsBack)
{
    AutoReplyFields fields = Answer("Gone fishing \xE9\xC4 " + std::string(239, 'z'));
    fields.computerName = "PC-\xC9";
    const AutoReplyDatagramBytes bytes = BuildAutoReplyDatagram(TestCodec(), fields);
    const AutoReplyFields read = ReadAutoReplyDatagram(TestCodec(), bytes.data(), bytes.size());
    EXPECT_EQ(read.kind, kAutoReplyAnswer);
    EXPECT_EQ(read.computerName, fields.computerName);
    EXPECT_EQ(read.addressedTo, fields.addressedTo);
    EXPECT_EQ(read.message, fields.message);
}

TEST(AutoReplyDatagram, UnterminatedFieldsAreReadInsideTheirWidths)
{
    const std::vector<uint8_t> bytes(292, 'A');
    const AutoReplyFields read = ReadAutoReplyDatagram(TestCodec(), bytes.data(), bytes.size());
    EXPECT_EQ(read.computerName, std::string(15, 'A'));
    EXPECT_EQ(read.addressedTo, std::string(15, 'A'));
    EXPECT_EQ(read.message, std::string(255, 'A'));
}

TEST(AutoReplyDatagram, ShortAndLongDatagramsAreReadAsOneZeroFilledRecord)
{
    const std::vector<uint8_t> shortOne = {0, 0, 0, 0, 'P', 'C'};
    const AutoReplyFields fromShort = ReadAutoReplyDatagram(TestCodec(), shortOne.data(), shortOne.size());
    EXPECT_EQ(fromShort.kind, kAutoReplyRequest);
    EXPECT_EQ(fromShort.computerName, "PC");
    EXPECT_EQ(fromShort.message, "");

    std::vector<uint8_t> longOne(5000, 'x');
    longOne[0] = 1;
    longOne[1] = longOne[2] = longOne[3] = 0;
    const AutoReplyFields fromLong = ReadAutoReplyDatagram(TestCodec(), longOne.data(), longOne.size());
    EXPECT_EQ(fromLong.kind, kAutoReplyAnswer);
    EXPECT_EQ(fromLong.message, std::string(255, 'x'));
}

} // namespace
} // namespace kivet
