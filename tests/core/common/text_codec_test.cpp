#include "common/text_codec.h"

#include <gtest/gtest.h>

#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

struct NameRow {
    const char* name;
    const char* normalised;
};

TEST(NameNormalise, UpperCasesThenKeepsOnlyTheFirstCharacterUpper)
{
    const NameRow rows[] = {
        {"PC-07", "Pc-07"},       {"JSMITH", "Jsmith"}, {"jsmith", "Jsmith"},
        {"jSMITH", "Jsmith"},     {"x", "X"},           {"", ""},
        {"1abc", "1abc"},         {"*", "*"},           {"\xE9LODIE", "\xC9lodie"},
        {"\xC4RGER", "\xC4rger"}, {"b\xC4R", "B\xE4r"},
    };
    for (const NameRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(NormaliseName(test::TestCodec(), row.name), row.normalised);
    }
}

TEST(NameNormalise, IsStableWhenAppliedTwice)
{
    for (const char* name : {"PC-07", "jSmItH", "\xE9lODIE", "a"}) {
        const std::string once = NormaliseName(test::TestCodec(), name);
        EXPECT_EQ(NormaliseName(test::TestCodec(), once), once) << name;
    }
}

TEST(AsciiCodecCase, ChangesAsciiLettersOnly)
{
    const TextCodec& codec = AsciiCodec();
    EXPECT_EQ(codec.Upper("abz-\xE9\xC4"), "ABZ-\xE9\xC4");
    EXPECT_EQ(codec.Lower("ABZ-\xE9\xC4"), "abz-\xE9\xC4");
    EXPECT_EQ(codec.AnsiToOem("\xE9\x82"), "\xE9\x82");
    EXPECT_EQ(codec.OemToAnsi(std::string("a\0b", 3)), std::string("a\0b", 3));
}

} // namespace
} // namespace kivet
