#include "messenger/runtime/pack_strings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace kivet {
namespace {

// A module holding the given strings; any other id is missing.
class MapStrings : public StringSource {
public:
    std::map<uint32_t, std::string> strings;
    bool Load(uint32_t id, char* buf, std::size_t size) override
    {
        buf[0] = '\0';
        auto it = strings.find(id);
        if (it == strings.end()) return false;
        std::size_t n = it->second.size() < size - 1 ? it->second.size() : size - 1;
        std::memcpy(buf, it->second.data(), n);
        buf[n] = '\0';
        return true;
    }
};

TEST(FormatSignature, ReducesEachConversionToWhatItTakes)
{
    struct Row {
        const char* text;
        std::vector<std::string> conversions;
    } rows[] = {
        {"Message from %s to %s", {"s", "s"}},
        {"%d Messages, %d New", {"d", "d"}},
        {"%-10s|%05d|%.3f", {"s", "d", "f"}},
        {"%*d and %.*s", {"*d", "*s"}},
        {"%ld %lld %hd %I64u %I32x %zu", {"ld", "lld", "hd", "I64u", "I32x", "zu"}},
        {"100%% sure", {}},
        {"%d %B %Y %H:%M:%S", {"d", "B", "Y", "H", "M", "S"}},
        {"", {}},
    };
    for (const Row& r : rows) {
        FormatSignature sig = ReadFormatSignature(r.text);
        EXPECT_EQ(sig.conversions, r.conversions) << r.text;
        EXPECT_TRUE(sig.wellFormed) << r.text;
        EXPECT_FALSE(sig.writes) << r.text;
    }
}

TEST(FormatSignature, NoticesATruncatedConversionAndAWritingOne)
{
    EXPECT_FALSE(ReadFormatSignature("cut at 50%").wellFormed);
    EXPECT_FALSE(ReadFormatSignature("cut in %-0").wellFormed);
    EXPECT_FALSE(ReadFormatSignature("%l").wellFormed);
    EXPECT_TRUE(ReadFormatSignature("%s%n").writes);
}

TEST(SameConversions, AcceptsOnlyTranslationsThatTakeTheSameArguments)
{
    struct Row {
        const char* english;
        const char* translated;
        bool accepted;
    } rows[] = {
        {"Message from %s to %s", "Сообщение от %s для %s", true},
        {"Message from %s to %s", "Сообщение от %-16s для %s", true}, // width changes nothing taken
        {"Message from %s to %s", "Сообщение от %s", false},          // one argument short
        {"Message from %s to %s", "От %s к %s и %s", false},          // one too many
        {"Current: %d", "Текущее: %s", false},                        // an int read as a string
        {"Current: %d", "Текущее: %ld", false},
        {"Current: %d", "Текущее: %*d", false},                       // a star takes an argument
        {"Current: %d", "Текущее: %d%n", false},                      // writes through an argument
        {"Received", "Получено 100%", false},                         // a bare % at the end
        {"Received", "Получено 100%%", true},
        {"Received", "Получено", true},
        {"%d %B %Y %H:%M:%S", "%d.%m.%Y %H:%M:%S", false},            // a date format keeps its fields
    };
    for (const Row& r : rows)
        EXPECT_EQ(SameConversions(r.english, r.translated), r.accepted) << r.english << " / " << r.translated;
}

TEST(HelpFileName, OnlyAPlainFileNameInTheProgramFolderIsAccepted)
{
    for (const char* good : {"kivetsec.chm", "kivetsec_ru.chm", "справка.chm", "a b.chm"})
        EXPECT_TRUE(IsPlainFileName(good)) << good;
    for (const char* bad : {"", ".", "..", "..\\..\\Windows\\help.chm", "sub/help.chm", "C:help.chm",
                            "\\\\server\\share\\x.chm", "x.chm\" /evil", "x\r.chm"})
        EXPECT_FALSE(IsPlainFileName(bad)) << bad;
}

class CheckedPackFill : public ::testing::Test {
protected:
    void SetUp() override
    {
        english.strings = {{133, "Message from %s to %s"}, {136, "Messages: %d"}, {137, "%d Messages, %d New"},
                            {212, "%d Messages, %d New (Auto-Reply mode)"}, {444, "kivetsec.chm"},
                            {110, "When you close ..."}, {153, "Options"}};
    }
    MapStrings english;
    MapStrings pack;
    TextTable table;
};

TEST_F(CheckedPackFill, GoodTranslationsAreTakenAndBadOnesGiveTheEnglishText)
{
    pack.strings = {{133, "От %s для %s"}, {136, "Сообщений: %s"}, {153, "Настройки"}};
    CheckedPackStrings checked(pack, english);
    table.Fill(checked);
    EXPECT_STREQ(table.Text(133), "От %s для %s");
    EXPECT_STREQ(table.Text(136), "Messages: %d");
    EXPECT_STREQ(table.Text(153), "Настройки");
    EXPECT_EQ(checked.Refused(), 1u);
}

TEST_F(CheckedPackFill, AStringThePackLacksStaysEmpty)
{
    pack.strings = {{153, "Настройки"}};
    CheckedPackStrings checked(pack, english);
    table.Fill(checked);
    EXPECT_STREQ(table.Text(133), "");
    EXPECT_STREQ(table.Text(110), "");
}

TEST_F(CheckedPackFill, OverlongTranslationsAreCutToTheirBuffers)
{
    pack.strings = {{114, std::string(300, 'x')}, {153, std::string(300, 'y')}, {110, std::string(300, 'z')}};
    CheckedPackStrings checked(pack, english);
    table.Fill(checked);
    EXPECT_EQ(std::strlen(table.Text(114)), 99u);
    EXPECT_EQ(std::strlen(table.Text(153)), 149u);
    EXPECT_EQ(std::strlen(table.Text(110)), 199u);
}

TEST_F(CheckedPackFill, ACutThatSplitsOrDropsAConversionIsRefused)
{
    // 95 letters and then the two conversions: the 100-character buffer keeps only the first
    // conversion, and the cut text must not reach a printf that passes two arguments.
    std::string longer = std::string(95, 'a') + "%d and %d";
    pack.strings = {{137, longer}, {212, std::string(96, 'b') + "%d %d"}};
    CheckedPackStrings checked(pack, english);
    table.Fill(checked);
    EXPECT_STREQ(table.Text(137), "%d Messages, %d New");
    // String 212 also fills a 150-character buffer, where the whole translation fits.
    EXPECT_STREQ(table.Text(212), "%d Messages, %d New (Auto-Reply mode)");
    EXPECT_EQ(std::string(table.Text212Long()), std::string(96, 'b') + "%d %d");
}

TEST_F(CheckedPackFill, AHelpFileNameThatLeavesTheProgramFolderIsRefused)
{
    pack.strings = {{444, "..\\..\\evil.chm"}};
    CheckedPackStrings checked(pack, english);
    table.Fill(checked);
    EXPECT_STREQ(table.Text(kHelpFileNameId), "kivetsec.chm");

    pack.strings = {{444, "kivetsec_ru.chm"}};
    CheckedPackStrings again(pack, english);
    table.Fill(again);
    EXPECT_STREQ(table.Text(kHelpFileNameId), "kivetsec_ru.chm");
}

} // namespace
} // namespace kivet
