#include "messenger/transport/group_datagram.h"

#include <string>

#include <gtest/gtest.h>

#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

using namespace std::string_literals;
using test::TestCodec;

std::string At(const GroupDatagramBytes& bytes, std::size_t offset, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(bytes.data()) + offset, size);
}

GroupFields Message(std::string text)
{
    GroupFields fields;
    fields.kind = kGroupMessage;
    fields.groupName = "@Sales";
    fields.targetName = "OFFICE";
    fields.senderComputer = "PC-07";
    fields.senderName = "jSMITH";
    fields.text = std::move(text);
    return fields;
}

TEST(GroupDatagram, FieldsSitAtTheirOffsetsInOem)
{
    GroupFields fields = Message("caf\xE9");
    fields.groupName = "@\xC4rger";
    fields.kind = kGroupReceipt;
    const GroupDatagramBytes bytes = BuildGroupDatagram(TestCodec(), fields);
    EXPECT_EQ(bytes.size(), 368u);
    EXPECT_EQ(At(bytes, 0, 4), "\x01\0\0\0"s);
    EXPECT_EQ(At(bytes, 4, 16), "@\x8Erger\0\0\0\0\0\0\0\0\0\0"s);
    EXPECT_EQ(At(bytes, 20, 16), "OFFICE\0\0\0\0\0\0\0\0\0\0"s);
    EXPECT_EQ(At(bytes, 36, 16), "PC-07\0\0\0\0\0\0\0\0\0\0\0"s);
    EXPECT_EQ(At(bytes, 52, 16), "Jsmith\0\0\0\0\0\0\0\0\0\0"s);
    EXPECT_EQ(At(bytes, 68, 5), "caf\x82\0"s);
    EXPECT_EQ(At(bytes, 73, 295), std::string(295, '\0'));
}

TEST(GroupDatagram, EmptyTextStillGivesTheWholeRecord)
{
    const GroupDatagramBytes bytes = BuildGroupDatagram(TestCodec(), Message(""));
    EXPECT_EQ(bytes.size(), 368u);
    EXPECT_EQ(At(bytes, 68, 300), std::string(300, '\0'));
}

TEST(GroupDatagram, FieldsAreCutToTheirWidths)
{
    GroupFields fields = Message(std::string(301, 't'));
    fields.groupName = std::string(20, 'G');
    fields.targetName = std::string(16, 'T');
    fields.senderComputer = std::string(17, 'C');
    fields.senderName = std::string(40, 'S');
    const GroupDatagramBytes bytes = BuildGroupDatagram(TestCodec(), fields);
    EXPECT_EQ(At(bytes, 4, 16), std::string(15, 'G') + '\0');
    EXPECT_EQ(At(bytes, 20, 16), std::string(15, 'T') + '\0');
    EXPECT_EQ(At(bytes, 36, 16), std::string(15, 'C') + '\0');
    EXPECT_EQ(At(bytes, 52, 16), "S" + std::string(14, 's') + '\0');
    EXPECT_EQ(At(bytes, 68, 300), std::string(300, 't'));
}

TEST(GroupDatagram, OemRoundTripGivesTheFieldsBack)
{
    GroupFields fields = Message("h\xE9llo \xC4 " + std::string(292, 'z'));
    fields.senderName = "\xC9lodie";
    fields.senderComputer = "PC-\xE4";
    const GroupDatagramBytes bytes = BuildGroupDatagram(TestCodec(), fields);
    const GroupFields read = ReadGroupDatagram(TestCodec(), bytes.data(), bytes.size());
    EXPECT_EQ(read.kind, kGroupMessage);
    EXPECT_EQ(read.groupName, fields.groupName);
    EXPECT_EQ(read.targetName, fields.targetName);
    EXPECT_EQ(read.senderComputer, fields.senderComputer);
    EXPECT_EQ(read.senderName, fields.senderName);
    EXPECT_EQ(read.text, fields.text);
    EXPECT_EQ(read.text.size(), 300u);
}

TEST(GroupDatagram, UnterminatedFieldsAreReadInsideTheirWidths)
{
    const std::vector<uint8_t> bytes(368, 'A');
    const GroupFields read = ReadGroupDatagram(TestCodec(), bytes.data(), bytes.size());
    EXPECT_EQ(read.kind, 0x41414141u);
    EXPECT_EQ(read.groupName, std::string(15, 'A'));
    EXPECT_EQ(read.targetName, std::string(15, 'A'));
    EXPECT_EQ(read.senderComputer, std::string(15, 'A'));
    EXPECT_EQ(read.senderName, std::string(15, 'A'));
    EXPECT_EQ(read.text, std::string(300, 'A'));
}

TEST(GroupDatagram, ShortAndLongDatagramsAreReadAsOneZeroFilledRecord)
{
    const std::vector<uint8_t> shortOne = {1, 0, 0, 0, '@', 'G'};
    const GroupFields fromShort = ReadGroupDatagram(TestCodec(), shortOne.data(), shortOne.size());
    EXPECT_EQ(fromShort.kind, kGroupReceipt);
    EXPECT_EQ(fromShort.groupName, "@G");
    EXPECT_EQ(fromShort.text, "");

    std::vector<uint8_t> longOne(70000, 'x');
    longOne[0] = longOne[1] = longOne[2] = longOne[3] = 0;
    const GroupFields fromLong = ReadGroupDatagram(TestCodec(), longOne.data(), longOne.size());
    EXPECT_EQ(fromLong.text, std::string(300, 'x'));

    const GroupFields fromNothing = ReadGroupDatagram(TestCodec(), nullptr, 0);
    EXPECT_EQ(fromNothing.kind, kGroupMessage);
    EXPECT_EQ(fromNothing.groupName, "");
}

TEST(GroupDatagram, NulInsideAFieldEndsIt)
{
    GroupFields fields = Message("ab\0cd"s);
    fields.groupName = "@A\0B"s;
    const GroupDatagramBytes bytes = BuildGroupDatagram(TestCodec(), fields);
    EXPECT_EQ(At(bytes, 4, 4), "@A\0\0"s);
    EXPECT_EQ(At(bytes, 68, 4), "ab\0\0"s);
}

} // namespace
} // namespace kivet
