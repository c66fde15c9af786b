// First-level encoding and the name format on the wire, against RFC 1002's examples, and
// hostile names: pointer loops, over-long labels, names cut short.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messenger/netbios/encoded_name.h"
#include "messenger/netbios/name_text.h"

using namespace kivet;
using namespace kivet::nbt;

namespace {

std::vector<uint8_t> Bytes(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

NetBiosName Fred()
{
    NetBiosName name;
    name.fill(' ');
    name[0] = 'F';
    name[1] = 'R';
    name[2] = 'E';
    name[3] = 'D';
    return name;
}

bool Read(const std::vector<uint8_t>& bytes, std::size_t at, NetBiosName& name, std::string& scope, std::size_t* end = nullptr)
{
    WireReader reader(bytes.data(), bytes.size());
    reader.Seek(at);
    const bool ok = ReadName(reader, name, scope);
    if (end) *end = reader.Position();
    return ok;
}

} // namespace

TEST(NetBiosNameEncoding, RfcExampleFred)
{
    char encoded[kEncodedNameLength];
    EncodeFirstLevel(Fred(), encoded);
    EXPECT_EQ(std::string(encoded, sizeof encoded), "EGFCEFEECACACACACACACACACACACACA");

    NetBiosName decoded{};
    ASSERT_TRUE(DecodeFirstLevel(reinterpret_cast<const uint8_t*>(encoded), decoded));
    EXPECT_EQ(decoded, Fred());
}

TEST(NetBiosNameEncoding, EveryByteValueRoundTrips)
{
    for (int value = 0; value < 256; ++value) {
        NetBiosName name{};
        name.fill(static_cast<char>(value));
        char encoded[kEncodedNameLength];
        EncodeFirstLevel(name, encoded);
        NetBiosName back{};
        ASSERT_TRUE(DecodeFirstLevel(reinterpret_cast<const uint8_t*>(encoded), back)) << value;
        EXPECT_EQ(back, name) << value;
    }
}

TEST(NetBiosNameEncoding, LettersPastPAreRefused)
{
    std::string encoded = "EGFCEFEECACACACACACACACACACACACA";
    encoded[5] = 'Q';
    NetBiosName name{};
    EXPECT_FALSE(DecodeFirstLevel(reinterpret_cast<const uint8_t*>(encoded.data()), name));
    encoded[5] = 'a'; // lower case is not part of the encoding
    EXPECT_FALSE(DecodeFirstLevel(reinterpret_cast<const uint8_t*>(encoded.data()), name));
}

TEST(NetBiosNameWire, RfcExampleWithScope)
{
    std::vector<uint8_t> bytes;
    WireWriter writer(bytes);
    WriteName(writer, Fred(), "NETBIOS.COM");
    const std::string expected = std::string("\x20", 1) + "EGFCEFEECACACACACACACACACACACACA" + "\x07NETBIOS" +
                                 "\x03" "COM" + std::string("\0", 1);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);

    NetBiosName name{};
    std::string scope;
    std::size_t end = 0;
    ASSERT_TRUE(Read(bytes, 0, name, scope, &end));
    EXPECT_EQ(name, Fred());
    EXPECT_EQ(scope, "NETBIOS.COM");
    EXPECT_EQ(end, bytes.size());
}

TEST(NetBiosNameWire, PointerIsFollowedAndReaderResumesAfterIt)
{
    std::vector<uint8_t> bytes(12, 0); // a packet header's worth of bytes before the name
    WireWriter writer(bytes);
    WriteName(writer, Fred(), "");
    const std::size_t pointerAt = bytes.size();
    WriteNamePointer(writer, 12);
    writer.U16(0xBEEF);

    NetBiosName name{};
    std::string scope;
    std::size_t end = 0;
    ASSERT_TRUE(Read(bytes, pointerAt, name, scope, &end));
    EXPECT_EQ(name, Fred());
    EXPECT_EQ(end, pointerAt + 2);
}

TEST(NetBiosNameWire, HostileNamesAreRefused)
{
    const std::string fred = std::string("\x20", 1) + "EGFCEFEECACACACACACACACACACACACA";
    struct Case {
        const char* what;
        std::string bytes;
        std::size_t at;
    } cases[] = {
        {"pointer to itself", std::string("\xC0\x00", 2), 0},
        {"pointer forward", std::string("\xC0\x02", 2) + fred + std::string("\0", 1), 0},
        {"two pointers to each other", std::string("\xC0\x02\xC0\x00", 4), 2},
        {"label after the name points back to its start", fred + std::string("\xC0\x00", 2), 0},
        {"cut inside the encoded name", fred.substr(0, 20), 0},
        {"no terminating zero", fred, 0},
        {"first label not 32 long", std::string("\x04" "FRED\0", 6), 0},
        {"scope label of 64", fred + "\x40" + std::string(64, 'a') + std::string("\0", 1), 0},
        {"reserved label type", fred + std::string("\x80\0", 2), 0},
        {"pointer cut short", std::string("\xC0", 1), 0},
        {"empty name", std::string("\0", 1), 0},
        {"dot inside a scope label", fred + "\x03" "a.b" + std::string("\0", 1), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NetBiosName name{};
        std::string scope;
        EXPECT_FALSE(Read(Bytes(c.bytes), c.at, name, scope));
    }
}

TEST(NetBiosNameWire, OverLongScopeIsRefusedWhenReadAndWhenChecked)
{
    std::string scope;
    for (int i = 0; i < 5; ++i)
        scope += std::string(i ? "." : "") + std::string(50, 'x');
    EXPECT_FALSE(IsValidScope(scope)); // 1 + 32 + 5 * 51 + 1 > 255
    EXPECT_TRUE(IsValidScope("NETBIOS.COM"));
    EXPECT_FALSE(IsValidScope("a..b"));

    std::vector<uint8_t> bytes;
    WireWriter writer(bytes);
    WriteName(writer, Fred(), scope);
    NetBiosName name{};
    std::string read;
    EXPECT_FALSE(Read(bytes, 0, name, read));
}

TEST(NetBiosNameText, ValidNamesAndTheirPadding)
{
    const auto name = NameFromText("pc-07", 0x03);
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(std::string(name->data(), 15), "PC-07          ");
    EXPECT_EQ(SuffixOf(*name), 0x03);
    EXPECT_EQ(DescribeName(*name), "PC-07<03>");
    EXPECT_TRUE(NameFromText("ABCDEFGHIJKLMNO", 0).has_value());

    for (const char* bad : {"", "ABCDEFGHIJKLMNOP", "A\\B", "A/B", "A:B", "*", "A?", "A\"B", "A<B", "A|B", "   ", "A\tB"})
        EXPECT_FALSE(NameFromText(bad, 0).has_value()) << bad;
}
