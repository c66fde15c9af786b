// The rows of the results dialog: normalised, status words as texts, shown once, sorted by bytes.
#include <gtest/gtest.h>

#include "messenger/send/results_view.h"
#include "tests/core/send/send_doubles.h"
#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

using Rows = std::vector<ResultRow>;

std::vector<ReceiptEntry> Entries(std::initializer_list<std::pair<const char*, const char*>> pairs)
{
    ReceiptTable table;
    for (const auto& pair : pairs)
        table.Add(pair.first, pair.second);
    return table.Entries();
}

ResultsView View(const std::vector<ReceiptEntry>& entries, ResultsSubject subject = {true, {}})
{
    return BuildResultsView(entries, subject, test::EnglishSendTexts(), test::TestCodec());
}

TEST(ResultsViewBuild, NamesAreNormalisedAndStatusWordsShownAsTexts)
{
    const ResultsView view = View(Entries({{"ALICE", "PC-01"},
                                           {"PC9", "NOT FOUND"},
                                           {"#X", "INVALID NAME"},
                                           {"@Y", "NO PERMISSION"},
                                           {"\xE4RGER", "\xC4RGER-PC"}}));
    EXPECT_EQ(view.rows, (Rows{{"Alice", "Pc-01"},
                               {"Pc9", "The name was not found"},
                               {"#x", "The specified name does not exist in My Groups list"},
                               {"@y", "You have no permission to send"},
                               {"\xC4rger", "\xC4rger-pc"}}));
    EXPECT_EQ(view.userColumn, "User");
    EXPECT_EQ(view.computerColumn, "Computer");
}

TEST(ResultsViewBuild, RowsThatReadTheSameAreShownOnceAndCountedOnce)
{
    const ResultsView view = View(Entries({{"ALICE", "PC1"}, {"Alice", "Pc1"}, {"alice", "PC1"}, {"BOB", "PC1"}}));
    EXPECT_EQ(view.rows, (Rows{{"Alice", "Pc1"}, {"Bob", "Pc1"}}));
    EXPECT_EQ(view.headline, "The message has been received on 2 computers:");
}

TEST(ResultsViewBuild, TheFooterNamesTheGroupOrTheList)
{
    EXPECT_EQ(View({}, {false, "@Sales"}).footer, "The message to Group @Sales has been successfully sent.");
    EXPECT_EQ(View({}, {true, {}}).footer, "The message to the multiple recipients has been successfully sent.");
    EXPECT_EQ(View({}).headline, "The message has been received on 0 computers:");
}

TEST(ResultsSort, ByTheColumnsBytesAscending)
{
    Rows rows{{"bob", "PC2"}, {"Zed", "PC1"}, {"alice", "PC3"}, {"\xC4rger", "PC0"}, {"Alice", "PC4"}};
    SortResultRows(rows, ResultColumn::User);
    // Capitals before small letters, and a byte above 0x7F after both.
    EXPECT_EQ(rows, (Rows{{"Alice", "PC4"}, {"Zed", "PC1"}, {"alice", "PC3"}, {"bob", "PC2"}, {"\xC4rger", "PC0"}}));
    SortResultRows(rows, ResultColumn::Computer);
    EXPECT_EQ(rows[0].computer, "PC0");
    EXPECT_EQ(rows[4].computer, "PC4");
}

TEST(ResultsSort, RowsWithTheSameTextKeepTheirOrder)
{
    Rows rows{{"b", "same"}, {"a", "same"}, {"c", "other"}};
    SortResultRows(rows, ResultColumn::Computer);
    EXPECT_EQ(rows, (Rows{{"c", "other"}, {"b", "same"}, {"a", "same"}}));
}

} // namespace
} // namespace kivet
