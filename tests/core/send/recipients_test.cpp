// The recipient list, the names allowed into a mailslot path, the classification of an entry and
// the filling of string-table texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messenger/send/format_text.h"
#include "messenger/transport/mailslot_target.h"
#include "messenger/send/recipient_kind.h"
#include "messenger/send/recipient_list.h"
#include "messenger/send/secure_sender.h"
#include "tests/core/send/send_doubles.h"
#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

using Entries = std::vector<std::string>;

TEST(RecipientListParse, ACommaMakesAMultiRecipientList)
{
    EXPECT_FALSE(ParseRecipientList("PC1").multiRecipient);
    EXPECT_TRUE(ParseRecipientList("PC1,PC2").multiRecipient);
    const RecipientList trailing = ParseRecipientList("PC1,");
    EXPECT_TRUE(trailing.multiRecipient);
    EXPECT_EQ(trailing.entries, Entries{"PC1"});
}

TEST(RecipientListParse, EntriesKeepListOrderAndEmptyOnesAreLeftOut)
{
    EXPECT_EQ(ParseRecipientList(",PC2,,@SALES,").entries, (Entries{"PC2", "@SALES"}));
    EXPECT_TRUE(ParseRecipientList("").entries.empty());
    EXPECT_TRUE(ParseRecipientList(",,,").entries.empty());
}

TEST(RecipientListParse, EachEntryIsHeldToFifteenCharacters)
{
    const RecipientList list = ParseRecipientList("ABCDEFGHIJKLMNO,ABCDEFGHIJKLMNOP,ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(list.entries, (Entries{"ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNO"}));
}

TEST(RecipientListParse, EntriesEndAtByteThreeAndLoseTrailingBlanks)
{
    EXPECT_EQ(CutRecipientEntry("PC1   "), "PC1");
    EXPECT_EQ(CutRecipientEntry("PC1\x03garbage"), "PC1");
    EXPECT_EQ(CutRecipientEntry("PC 1 "), "PC 1") << "inner blanks stay";
    EXPECT_EQ(CutRecipientEntry("\x03PC1"), "");
    // The blanks after the 15th character are beyond the field and do not count.
    EXPECT_EQ(CutRecipientEntry("ABCDEFGHIJKLMN PQ"), "ABCDEFGHIJKLMN");
}

TEST(RecipientListParse, OnlyTheFirst259CharactersOfTheListCount)
{
    std::string typed(258, 'A');
    typed += ",PC2,PC3";
    const RecipientList list = ParseRecipientList(typed);
    ASSERT_EQ(list.entries.size(), 1u) << "the comma at 259 still counts, the names after it do not";
    EXPECT_TRUE(list.multiRecipient);

    std::string huge(100000, ',');
    huge += "PC1";
    EXPECT_TRUE(ParseRecipientList(huge).entries.empty());
}

TEST(RecipientAddress, ExactlyThreeDots)
{
    EXPECT_TRUE(IsAddress("192.168.0.10"));
    EXPECT_TRUE(IsAddress("..."));
    EXPECT_FALSE(IsAddress("PC1"));
    EXPECT_FALSE(IsAddress("a.b.c"));
    EXPECT_FALSE(IsAddress("1.2.3.4.5"));
}

class RecipientClassify : public ::testing::Test {
protected:
    RecipientClassify()
    {
        directory.domains = {"DOMAIN1", "SALES"};
        directory.workgroup = "OFFICE";
        directory.computer = "PC-07";
        directory.user = "JSMITH";
    }
    RecipientKind Kind(std::string_view entry) { return ClassifyRecipient(entry, directory, test::TestCodec()); }
    test::TableDirectory directory;
};

TEST_F(RecipientClassify, FirstMatchingRuleWins)
{
    EXPECT_EQ(Kind("@SALES"), RecipientKind::NetworkGroup);
    EXPECT_EQ(Kind("#SALES"), RecipientKind::MyGroup);
    EXPECT_EQ(Kind("SALES"), RecipientKind::Domain);
    EXPECT_EQ(Kind("PC-07"), RecipientKind::Local);
    EXPECT_EQ(Kind("PC1"), RecipientKind::Individual);
}

TEST_F(RecipientClassify, DomainsAndLocalNamesMatchWhateverTheCase)
{
    EXPECT_EQ(Kind("domain1"), RecipientKind::Domain);
    EXPECT_EQ(Kind("Office"), RecipientKind::Domain) << "the local workgroup counts as a domain";
    EXPECT_EQ(Kind("jsmith"), RecipientKind::Local);
    EXPECT_EQ(Kind("pc-07"), RecipientKind::Local);
    // The code page's own upper-casing is used, not ASCII's.
    directory.computer = "\xC4RGER";
    EXPECT_EQ(Kind("\xE4rger"), RecipientKind::Local);
}

TEST_F(RecipientClassify, AnUnknownWorkgroupMatchesNothing)
{
    directory.workgroup.clear();
    directory.domains.clear();
    EXPECT_EQ(Kind("OFFICE"), RecipientKind::Individual);
}

TEST(FormatTextFill, PlacesAreFilledInOrder)
{
    EXPECT_EQ(FormatText("user %s (logged on computer %s)", {"Alice", "Pc1"}), "user Alice (logged on computer Pc1)");
    EXPECT_EQ(FormatText("received on %d computers:", {"12"}), "received on 12 computers:");
    EXPECT_EQ(FormatText("100%% of %s", {"them"}), "100% of them");
}

TEST(FormatTextFill, ATextWithMorePlacesThanArgumentsReadsNothingElse)
{
    EXPECT_EQ(FormatText("%s and %s and %s", {"a"}), "a and  and ");
    EXPECT_EQ(FormatText("%n %x %", {"a"}), "%n %x %");
    EXPECT_EQ(FormatText("%s", {"%s%d"}), "%s%d") << "arguments are not formats";
}

TEST(SecureResultCode, ExitCodesOtherThanTheThreeResultsAreFailures)
{
    EXPECT_EQ(SecureResultFromCode(0), SecureResult::Sent);
    EXPECT_EQ(SecureResultFromCode(1), SecureResult::Failed);
    EXPECT_EQ(SecureResultFromCode(2), SecureResult::NoSecureMessenger);
    EXPECT_EQ(SecureResultFromCode(3), SecureResult::Failed);
    EXPECT_EQ(SecureResultFromCode(0xC0000005u), SecureResult::Failed);
}

} // namespace
} // namespace kivet
