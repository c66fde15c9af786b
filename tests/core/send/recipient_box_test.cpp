// The recipient box of the send dialog: its entries from the Quick List, the handed-over
// recipient, completion while typing and the caption that follows the recipient.
#include <gtest/gtest.h>

#include "messenger/send/dropped_name.h"
#include "messenger/send/recipient_box.h"
#include "tests/fakes/table_codec.h"

namespace kivet::test {
namespace {

using Entries = std::vector<std::string>;

TEST(RecipientBox, ShowsTheQuickListInReverseWithoutNamesThatBeginAnEarlierOne)
{
    const TableCodec& codec = TestCodec();
    EXPECT_EQ(RecipientBoxEntries({"ALICE", "BOB", "CAROL"}, codec), (Entries{"CAROL", "BOB", "ALICE"}));
    // "BOB" begins "BOBBY", which came first: only the longer name is shown.
    EXPECT_EQ(RecipientBoxEntries({"BOBBY", "ALICE", "bob"}, codec), (Entries{"ALICE", "BOBBY"}));
    // The other way round both are shown: the shorter one came first.
    EXPECT_EQ(RecipientBoxEntries({"BOB", "BOBBY"}, codec), (Entries{"BOBBY", "BOB"}));
    // The same name twice, and case differences through the code page's own upper-casing.
    EXPECT_EQ(RecipientBoxEntries({"\xE9mile", "\xC9MILE"}, codec), (Entries{"\xE9mile"}));
    EXPECT_TRUE(RecipientBoxEntries({}, codec).empty());
    EXPECT_EQ(RecipientBoxEntries({"", "PC1"}, codec), (Entries{"PC1"}));
}

TEST(RecipientBox, HandedOverRecipientIsTheExactEntryOrGoesOnTop)
{
    const TableCodec& codec = TestCodec();
    Entries entries{"CAROL", "BOBBY", "ALICE"};
    EXPECT_EQ(PlaceHandOverRecipient(entries, "bobby", codec), 1u);
    EXPECT_EQ(entries.size(), 3u);
    // A sender whose name only begins an entry is a different person: inserted on top.
    EXPECT_EQ(PlaceHandOverRecipient(entries, "Bob", codec), 0u);
    EXPECT_EQ(entries, (Entries{"Bob", "CAROL", "BOBBY", "ALICE"}));
    // Whatever a later start put into the registry is held to the box's length.
    Entries empty;
    PlaceHandOverRecipient(empty, std::string(400, 'X'), codec);
    EXPECT_EQ(empty.front().size(), kRecipientBoxChars);
}

TEST(RecipientBox, CompletesOnlyWhileTheTextGrows)
{
    const TableCodec& codec = TestCodec();
    const Entries entries{"CAROL", "BOBBY", "BOB", "BERT"};
    std::optional<Completion> c = CompleteRecipient(entries, "b", "bo", codec);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->index, 1u);
    EXPECT_EQ(c->text, "BOBBY");
    EXPECT_EQ(c->selectionStart, 2u);
    ASSERT_TRUE(CompleteRecipient(entries, "", "c", codec));
    EXPECT_EQ(CompleteRecipient(entries, "", "c", codec)->text, "CAROL");
    // Deleting (or a text that did not grow) never completes; nothing that begins so, neither.
    EXPECT_FALSE(CompleteRecipient(entries, "bob", "bo", codec));
    EXPECT_FALSE(CompleteRecipient(entries, "bo", "bx", codec));
    EXPECT_FALSE(CompleteRecipient(entries, "bo", "box", codec));
    EXPECT_FALSE(CompleteRecipient(entries, "x", "", codec));
    // Longer than any entry.
    EXPECT_FALSE(CompleteRecipient(entries, "", std::string(300, 'B'), codec));
}

TEST(RecipientBox, CaptionFollowsTheRecipient)
{
    EXPECT_EQ(SendDialogCaption("Sending message", ""), "Sending message");
    EXPECT_EQ(SendDialogCaption("Sending message", "PC7"), "Sending message - PC7");
}

} // namespace
} // namespace kivet::test

namespace kivet::test {
namespace {

TEST(DroppedName, ComputersFromTheNetworkFolderOnly)
{
    EXPECT_EQ(DroppedComputerName("\\\\PC7"), std::optional<std::string>("PC7"));
    EXPECT_EQ(DroppedComputerName("\\\\PC7\\"), std::optional<std::string>("PC7"));
    for (const char* path : {"C:\\file.txt", "\\\\PC7\\share", "\\\\", "\\\\\\", "\\\\*", "\\\\..",
                             "\\\\ABCDEFGHIJKLMNOP", "\\PC7", "", "\\\\PC7\\\\"})
        EXPECT_FALSE(DroppedComputerName(path)) << path;
}

} // namespace
} // namespace kivet::test
