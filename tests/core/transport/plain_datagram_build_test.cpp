#include "messenger/transport/plain_datagram.h"

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "tests/fakes/transport_fakes.h"
#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

using namespace std::string_literals;
using test::TestCodec;
using test::ToText;

PlainHeader Header(std::string_view sender, std::string_view recipient, std::string_view origin)
{
    PlainHeader header;
    header.senderName = sender;
    header.recipient = recipient;
    header.originComputer = origin;
    return header;
}

std::size_t CountNuls(const std::vector<uint8_t>& bytes)
{
    return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), uint8_t{0}));
}

TEST(PlainDatagramBuild, SmallDatagramHasTheExactBytesInOem)
{
    const auto datagram =
        BuildPlainDatagram(TestCodec(), Header("\xE9LODIE", "pc-07", "PC-\xC4"), "caf\xE9 \xC4!", kPlainFlagOrdinary);
    const std::string expected = "\x90lodie\0Pc-07\0caf\x82 \x8E!\0PC-\x8E\0\0\0"s;
    EXPECT_EQ(ToText(datagram), expected);
}

TEST(PlainDatagramBuild, AutoReplySenderCarriesTheSuffixAndFlagOne)
{
    PlainHeader header = Header("JSMITH", "PC-01", "PC-07");
    header.autoReply = true;
    const auto datagram = BuildPlainDatagram(TestCodec(), header, "away", kPlainFlagAutoReply);
    EXPECT_EQ(ToText(datagram), "Jsmith (AUTO-REPLY)\0Pc-01\0away\0PC-07\0\x01\0"s);
}

TEST(PlainDatagramBuild, NamesAreCutToFifteenCharacters)
{
    PlainHeader header = Header("ABCDEFGHIJKLMNOPQRS", "abcdefghijklmnopq", "ABCDEFGHIJKLMNOPQ");
    EXPECT_EQ(ToText(BuildPlainDatagram(TestCodec(), header, "t", 0)),
              "Abcdefghijklmno\0Abcdefghijklmno\0t\0ABCDEFGHIJKLMNO\0\0\0"s);

    header.autoReply = true;
    const std::string sender = ToText(BuildPlainDatagram(TestCodec(), header, "t", 1)).substr(0, 29);
    EXPECT_EQ(sender, "Abcdefghijklmno (AUTO-REPLY)\0"s);
}

TEST(PlainDatagramBuild, LongestDatagramFitsTheBuildBuffer)
{
    const std::string sender(40, 'S'), recipient(40, 'R'), origin(40, 'O');
    PlainHeader header = Header(sender, recipient, origin);
    header.autoReply = true;
    const auto datagram = BuildPlainDatagram(TestCodec(), header, std::string(450, 'x'), kPlainFlagSplitPiece);
    EXPECT_LE(datagram.size(), kPlainBuildLimit);
    EXPECT_EQ(datagram.size(), 15 + kAutoReplySuffix.size() + 15 + 300 + 15 + 6);
}

TEST(PlainDatagramBuild, NulInsideAFieldEndsThatFieldSoTheLayoutHolds)
{
    const std::string withNul("ab\0cd", 5);
    const PlainHeader headers[] = {Header(withNul, "r", "o"), Header("s", withNul, "o"), Header("s", "r", withNul)};
    for (const PlainHeader& header : headers)
        EXPECT_EQ(CountNuls(BuildPlainDatagram(TestCodec(), header, "text", kPlainFlagSplitPiece)), 5u);
    EXPECT_EQ(ToText(BuildPlainDatagram(TestCodec(), Header("s", "r", "o"), withNul, 0)), "S\0R\0ab\0o\0\0\0"s);
}

TEST(PlainDatagramBuild, EmptyFieldsStillGiveFiveNulsAndTheFlag)
{
    const auto datagram = BuildPlainDatagram(TestCodec(), Header("", "", ""), "", kPlainFlagSplitPiece);
    EXPECT_EQ(ToText(datagram), "\0\0\0\0\x02\0"s);
}

TEST(PlainDatagramBuild, WhatIsBuiltReadsBackAsTheSameMessage)
{
    const auto datagram = BuildPlainDatagram(TestCodec(), Header("b\xC4R", "\xE9LODIE", "PC-\xE9"), "h\xE9llo \xC4", 0);
    const auto read = ReadPlainDatagram(TestCodec(), datagram.data(), datagram.size());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->datagramClass, 3);
    EXPECT_EQ(read->flag, 0);
    EXPECT_EQ(read->sender, "B\xE4r");
    EXPECT_EQ(read->recipient, "\xC9lodie");
    EXPECT_EQ(read->text, "h\xE9llo \xC4");
    EXPECT_EQ(read->origin, "PC-\xE9");
}

struct SplitRow {
    std::size_t length;
    std::vector<std::size_t> pieces;
};

TEST(PlainDatagramBuild, SplittingGivesFullPiecesAndOneLastPiece)
{
    const SplitRow rows[] = {
        {0, {0}},
        {1, {1}},
        {299, {299}},
        {300, {300, 0}},
        {301, {300, 1}},
        {599, {300, 299}},
        {600, {300, 300, 0}},
        {601, {300, 300, 1}},
        {4999, {300, 300, 300, 300, 300, 300, 300, 300, 300, 300, 300, 300, 300, 300, 300, 300, 199}},
    };
    for (const SplitRow& row : rows) {
        SCOPED_TRACE(row.length);
        std::string text;
        for (std::size_t i = 0; i < row.length; ++i)
            text.push_back(static_cast<char>('a' + i % 26));
        const auto pieces = SplitPlainText(text);
        std::vector<std::size_t> sizes;
        std::string joined;
        for (std::string_view piece : pieces) {
            sizes.push_back(piece.size());
            joined.append(piece);
        }
        EXPECT_EQ(sizes, row.pieces);
        EXPECT_EQ(joined, text);
    }
}

} // namespace
} // namespace kivet
