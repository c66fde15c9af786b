#include "messenger/transport/plain_datagram.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "tests/fakes/transport_fakes.h"
#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

using namespace std::string_literals;
using test::TestCodec;
using test::ToBytes;

// The bytes in a heap block of exactly their size, so a read past the end is caught.
std::optional<PlainDatagram> Read(const std::string& wire)
{
    const std::vector<uint8_t> bytes = ToBytes(wire);
    return ReadPlainDatagram(TestCodec(), bytes.data(), bytes.size());
}

int Classify(const std::string& wire)
{
    const std::vector<uint8_t> bytes = ToBytes(wire);
    return ClassifyPlainDatagram(bytes.data(), bytes.size());
}

struct ClassRow {
    std::string wire;
    int datagramClass;
};

TEST(PlainDatagramParse, ClassIsTheNulCountOverTheWholeLength)
{
    const ClassRow rows[] = {
        {""s, 0},
        {"hello"s, 0},
        {"A\0"s, 0},
        {"A\0B"s, 0},
        {"A\0B\0hello"s, 1},
        {"A\0B\0hello\0"s, 2},
        {"A\0B\0hello\0PC\0"s, 3},
        {"A\0B\0hello\0PC\0\x02\0"s, 3},
        {"A\0B\0he\0llo\0PC\0\x02\0\0\0"s, 3},
        {"\0\0"s, 1},
        {"\0\0\0"s, 2},
    };
    for (const ClassRow& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.wire));
        EXPECT_EQ(Classify(row.wire), row.datagramClass);
    }
}

TEST(PlainDatagramParse, TwoNulFormWithoutFinalNulIsAccepted)
{
    const auto datagram = Read("A\0B\0hello"s);
    ASSERT_TRUE(datagram.has_value());
    EXPECT_EQ(datagram->datagramClass, 1);
    EXPECT_EQ(datagram->sender, "A");
    EXPECT_EQ(datagram->recipient, "B");
    EXPECT_EQ(datagram->text, "hello");
    EXPECT_EQ(datagram->origin, "");
    EXPECT_EQ(datagram->flag, 'l');
}

TEST(PlainDatagramParse, ServiceFormHasNoOrigin)
{
    const auto datagram = Read("A\0B\0hello\0"s);
    ASSERT_TRUE(datagram.has_value());
    EXPECT_EQ(datagram->datagramClass, 2);
    EXPECT_EQ(datagram->text, "hello");
    EXPECT_EQ(datagram->origin, "");
    EXPECT_EQ(datagram->flag, 'o');
}

TEST(PlainDatagramParse, OwnFormCarriesOriginAndFlag)
{
    const auto datagram = Read("Jsmith\0Pc-01\0hi\0PC-07\0\x02\0"s);
    ASSERT_TRUE(datagram.has_value());
    EXPECT_EQ(datagram->datagramClass, 3);
    EXPECT_EQ(datagram->sender, "Jsmith");
    EXPECT_EQ(datagram->recipient, "Pc-01");
    EXPECT_EQ(datagram->text, "hi");
    EXPECT_EQ(datagram->origin, "PC-07");
    EXPECT_EQ(datagram->flag, kPlainFlagSplitPiece);
}

TEST(PlainDatagramParse, SingleNulIsIgnored)
{
    EXPECT_FALSE(Read("A\0hello"s).has_value());
}

TEST(PlainDatagramParse, FlagIsTheByteBeforeTheLastAtEveryLength)
{
    std::string wire;
    for (int i = 0; i < 40; ++i)
        wire.push_back(static_cast<char>(i % 5 == 0 ? 0 : 'a' + i % 26));
    for (std::size_t size = 0; size <= wire.size(); ++size) {
        const std::vector<uint8_t> bytes(wire.begin(), wire.begin() + static_cast<std::ptrdiff_t>(size));
        const uint8_t expected = size >= 2 ? bytes[size - 2] : 0;
        EXPECT_EQ(PlainFlagByte(bytes.data(), bytes.size()), expected) << size;
        const auto datagram = ReadPlainDatagram(TestCodec(), bytes.data(), bytes.size());
        if (datagram) {
            EXPECT_EQ(datagram->flag, expected) << size;
        }
    }
}

TEST(PlainDatagramParse, TextCharacterTwoMarksASplitPieceInEveryClass)
{
    for (const std::string& wire : {"A\0B\0ab\x02z"s, "A\0B\0ab\x02\0"s, "A\0B\0ab\0O\0\x02\0"s}) {
        const auto datagram = Read(wire);
        ASSERT_TRUE(datagram.has_value());
        EXPECT_EQ(datagram->flag, kPlainFlagSplitPiece) << datagram->datagramClass;
    }
}

TEST(PlainDatagramParse, EmptyFieldsAreKeptUnlessSenderAndRecipientAreBothEmpty)
{
    const auto noSender = Read("\0B\0text\0"s);
    ASSERT_TRUE(noSender.has_value());
    EXPECT_EQ(noSender->sender, "");
    EXPECT_EQ(noSender->recipient, "B");

    const auto noRecipient = Read("A\0\0text\0"s);
    ASSERT_TRUE(noRecipient.has_value());
    EXPECT_EQ(noRecipient->recipient, "");

    const auto noText = Read("A\0B\0\0\0\0\0"s);
    ASSERT_TRUE(noText.has_value());
    EXPECT_EQ(noText->text, "");
    EXPECT_EQ(noText->origin, "");

    EXPECT_FALSE(Read("\0\0text\0"s).has_value());
    EXPECT_FALSE(Read("\0\0text\0PC\0\0\0"s).has_value());
}

TEST(PlainDatagramParse, TextIsCutToThreeHundredCharacters)
{
    const auto datagram = Read("A\0B\0"s + std::string(400, 'x') + "\0PC\0\0\0"s);
    ASSERT_TRUE(datagram.has_value());
    EXPECT_EQ(datagram->text, std::string(300, 'x'));
    EXPECT_EQ(datagram->origin, "PC");
}

TEST(PlainDatagramParse, FieldsAreConvertedFromOem)
{
    const auto datagram = Read("\x90lodie\0\x8E\0caf\x82\0PC-\x84\0\0\0"s);
    ASSERT_TRUE(datagram.has_value());
    EXPECT_EQ(datagram->sender, "\xC9lodie");
    EXPECT_EQ(datagram->recipient, "\xC4");
    EXPECT_EQ(datagram->text, "caf\xE9");
    EXPECT_EQ(datagram->origin, "PC-\xE4");
}

TEST(PlainDatagramParse, HostileInputsAreRefusedOrReadInsideTheirBytes)
{
    EXPECT_FALSE(Read(std::string(65536, 'x')).has_value());
    EXPECT_FALSE(Read(std::string(65536, '\0')).has_value());
    EXPECT_FALSE(Read("x").has_value());
    EXPECT_FALSE(Read(""s).has_value());
    EXPECT_FALSE(ReadPlainDatagram(TestCodec(), nullptr, 0).has_value());

    const auto huge = Read("A\0B\0"s + std::string(65532, 'x'));
    ASSERT_TRUE(huge.has_value());
    EXPECT_EQ(huge->text.size(), 300u);

    const auto longNames = Read(std::string(30000, 's') + "\0"s + std::string(30000, 'r') + "\0t\0"s);
    ASSERT_TRUE(longNames.has_value());
    EXPECT_EQ(longNames->sender.size(), 30000u);
    EXPECT_EQ(longNames->text, "t");
}

TEST(PlainDatagramParse, EveryShortByteStringIsReadSafely)
{
    const char alphabet[] = {'\0', 'a', '\x02'};
    for (int size = 0; size <= 6; ++size) {
        int combinations = 1;
        for (int i = 0; i < size; ++i)
            combinations *= 3;
        for (int n = 0; n < combinations; ++n) {
            std::string wire;
            for (int i = 0, rest = n; i < size; ++i, rest /= 3)
                wire.push_back(alphabet[rest % 3]);
            const auto datagram = Read(wire);
            if (datagram) {
                EXPECT_EQ(datagram->datagramClass, Classify(wire));
            }
        }
    }
}

} // namespace
} // namespace kivet
