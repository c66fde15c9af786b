// Appending, clearing and finding the history file, over files in memory and the in-memory
// registry, with the clock set by each test.
#include <gtest/gtest.h>

#include <string>

#include "messenger/history/closing_block.h"
#include "messenger/history/history_writer.h"
#include "messenger/runtime/registry_settings.h"
#include "tests/fakes/memory_history_files.h"
#include "tests/fakes/memory_registry.h"

namespace kivet {
namespace {

const char kFolder[] = "C:\\Kivet\\";
const char kPath[] = "C:\\Kivet\\History\\Jsmith.html";
const std::string kClosing(kHistoryClosingBlock);
const std::string kDateRow = "<div class=date>";

std::size_t Count(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1))
        ++n;
    return n;
}

bool EndsWithClosingBlock(const std::string& file)
{
    return file.size() >= 41 && file.substr(file.size() - 41) == kClosing;
}

class HistoryWriterTest : public ::testing::Test {
protected:
    testing::MemoryHistoryFiles files;
    testing::MemoryRegistry registry;
    LocalTime now{2024, 3, 5, 9, 5, 7};
    HistoryWriter writer{files, registry, [this] { return now; }, HistoryOwner{kFolder, "Jsmith", "Pc-07"},
                         "Jsmith"};

    std::string& File() { return files.files[kPath]; }
    bool Incoming(const char* text) { return writer.AppendHistory({"Alice", "Jsmith", text, true}); }
    bool Outgoing(const char* text) { return writer.AppendHistory({"", "Bob", text, false}); }
};

TEST_F(HistoryWriterTest, FirstAppendCreatesTheFolderAndACompleteDocument)
{
    ASSERT_TRUE(Incoming("Hello"));
    EXPECT_TRUE(files.folders.count("C:\\Kivet\\History"));
    ASSERT_EQ(files.files.count(kPath), 1u);
    EXPECT_EQ(File(),
              HistoryHeadBlock({kFolder, "Jsmith", "Pc-07"}, "5/3/2024") +
                  HistoryEntryBlock(kFolder, {"Alice", "Jsmith", "Hello", true}, "9:5:7") + kClosing);
    EXPECT_EQ(ReadLastHistoryTime(registry), "5/3/2024");
    // Stored as 16 bytes: the text and zero bytes up to 15, and the terminator the registry adds.
    const auto* stored = registry.Find(RegRoot::CurrentUser, kProgramKey, "LastHistoryTime");
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->text, std::string("5/3/2024\0\0\0\0\0\0\0", 15));
    EXPECT_EQ(writer.FilePath(), kPath);
}

TEST_F(HistoryWriterTest, SameDayAppendsShareOneDateRowAndOneClosingBlock)
{
    Incoming("first");
    now.hour = 18;
    Outgoing("second");
    Incoming("third");
    const std::string& file = File();
    EXPECT_EQ(Count(file, kDateRow), 1u);
    EXPECT_EQ(Count(file, kClosing), 1u);
    EXPECT_TRUE(EndsWithClosingBlock(file));
    EXPECT_EQ(Count(file, "<html>"), 1u);
    EXPECT_LT(file.find("first"), file.find("second"));
    EXPECT_LT(file.find("second"), file.find("third"));
    EXPECT_NE(file.find("<div class=messinfo>18:5:7</div>"), std::string::npos);
}

TEST_F(HistoryWriterTest, NewDayAddsADateRowBeforeItsEntry)
{
    Incoming("monday");
    now.day = 6;
    Incoming("tuesday");
    const std::string& file = File();
    EXPECT_EQ(Count(file, kDateRow), 2u);
    std::size_t tuesdayRow = file.find("<div class=date>6/3/2024</div>");
    ASSERT_NE(tuesdayRow, std::string::npos);
    EXPECT_LT(file.find("monday"), tuesdayRow);
    EXPECT_LT(tuesdayRow, file.find("tuesday"));
    EXPECT_EQ(ReadLastHistoryTime(registry), "6/3/2024");
    EXPECT_TRUE(EndsWithClosingBlock(file));
}

TEST_F(HistoryWriterTest, MissingLastDateCountsAsANewDay)
{
    Incoming("one");
    registry.DeleteValue(RegRoot::CurrentUser, kProgramKey, "LastHistoryTime");
    Incoming("two");
    EXPECT_EQ(Count(File(), kDateRow), 2u);
}

TEST_F(HistoryWriterTest, DirectionDecidesRowColourPictureAndNames)
{
    Incoming("in");
    Outgoing("out");
    const std::string& file = File();
    EXPECT_EQ(Count(file, "<tr bgcolor=\"#e8e2da\">"), 1u);
    EXPECT_EQ(Count(file, "<tr bgcolor=\"#dde8da\">"), 1u);
    EXPECT_NE(file.find("images/in.gif"), std::string::npos);
    EXPECT_NE(file.find("images/out.gif"), std::string::npos);
    EXPECT_NE(file.find(">from Alice to Jsmith</div>"), std::string::npos);
    EXPECT_NE(file.find(">to Bob</div>"), std::string::npos);
    EXPECT_EQ(file.find("from  to Bob"), std::string::npos);
}

TEST_F(HistoryWriterTest, ClearDeletesTheFileAndTheNextAppendStartsAgain)
{
    Incoming("old");
    EXPECT_TRUE(writer.HistoryExists());
    writer.ClearHistory();
    EXPECT_FALSE(writer.HistoryExists());
    writer.ClearHistory(); // a missing file is no error
    Incoming("new");
    const std::string& file = File();
    EXPECT_EQ(file.find("old"), std::string::npos);
    EXPECT_EQ(file.find("<html>"), 0u);
    // The same day: the new head carries its own date row, later appends add none.
    EXPECT_EQ(Count(file, kDateRow), 1u);
    Incoming("later");
    EXPECT_EQ(Count(File(), kDateRow), 1u);
}

TEST_F(HistoryWriterTest, CreateFailureWritesNothing)
{
    files.failCreate = true;
    EXPECT_FALSE(Incoming("lost"));
    EXPECT_EQ(files.files.count(kPath), 0u);
    EXPECT_EQ(ReadLastHistoryTime(registry), "");
}

TEST_F(HistoryWriterTest, EachAppendIsOneWriteAndThenTheClosingBlock)
{
    Incoming("one");
    EXPECT_EQ(files.writes, 2);
    now.day = 9;
    Incoming("two"); // with its date row
    EXPECT_EQ(files.writes, 4);
}

TEST_F(HistoryWriterTest, LogonNameCannotLeaveTheHistoryFolder)
{
    HistoryWriter hostile(files, registry, [this] { return now; }, HistoryOwner{kFolder, "X", "Y"},
                          "..\\..\\Windows\\win");
    EXPECT_EQ(hostile.FilePath(), "C:\\Kivet\\History\\.._.._Windows_win.html");
    HistoryWriter device(files, registry, [this] { return now; }, HistoryOwner{kFolder, "X", "Y"}, "con");
    EXPECT_EQ(device.FilePath(), "C:\\Kivet\\History\\_con.html");
    HistoryWriter nameless(files, registry, [this] { return now; }, HistoryOwner{kFolder, "X", "Y"}, "");
    EXPECT_EQ(nameless.FilePath(), "C:\\Kivet\\History\\History.html");
}

// Damaged files: everything already in the file stays, and the file ends as a complete document.
class DamagedHistoryTest : public HistoryWriterTest {};

TEST_F(DamagedHistoryTest, HandEditedEndIsKeptAndTheEntryFollowsIt)
{
    File() = "<html><body><p>my notes</p></body></html>";
    std::string before = File();
    ASSERT_TRUE(Incoming("after"));
    EXPECT_EQ(File().substr(0, before.size()), before);
    EXPECT_NE(File().find("after", before.size()), std::string::npos);
    EXPECT_TRUE(EndsWithClosingBlock(File()));
}

TEST_F(DamagedHistoryTest, ShorterThanTheClosingBlockIsKept)
{
    File() = "<html>";
    ASSERT_TRUE(Incoming("short"));
    EXPECT_EQ(File().substr(0, 6), "<html>");
    EXPECT_TRUE(EndsWithClosingBlock(File()));
}

TEST_F(DamagedHistoryTest, CutInsideTheClosingBlockKeepsTheLastEntry)
{
    Incoming("last entry");
    File().resize(File().size() - 20);
    std::string lastEntryEnd = "last entry\r\n</div></td></tr>\r\n</table>\r\n";
    ASSERT_TRUE(Incoming("next"));
    const std::string& file = File();
    EXPECT_NE(file.find(lastEntryEnd), std::string::npos);
    EXPECT_EQ(Count(file, "<a name=\"bottom\">"), 1u);
    EXPECT_TRUE(EndsWithClosingBlock(file));
}

TEST_F(DamagedHistoryTest, CutInsideAnEntryKeepsWhatIsLeft)
{
    Incoming("a long message that will be cut");
    File().resize(File().find("will be") + 4);
    std::string before = File();
    ASSERT_TRUE(Incoming("next"));
    EXPECT_EQ(File().substr(0, before.size()), before);
    EXPECT_TRUE(EndsWithClosingBlock(File()));
}

TEST_F(DamagedHistoryTest, LineEndAddedByAnEditorIsReplacedByTheEntry)
{
    Incoming("one");
    File() += "\r\n";
    ASSERT_TRUE(Incoming("two"));
    EXPECT_EQ(Count(File(), kClosing), 1u);
    EXPECT_TRUE(EndsWithClosingBlock(File()));
}

TEST_F(DamagedHistoryTest, EmptyFileGetsTheHeadBlock)
{
    File() = "";
    ASSERT_TRUE(Incoming("first"));
    EXPECT_EQ(File().find("<html>"), 0u);
    EXPECT_EQ(Count(File(), kDateRow), 1u);
}

TEST_F(DamagedHistoryTest, OnlyTheFileEndIsRead)
{
    Incoming("one");
    File().insert(0, std::string(1 << 20, ' '));
    ASSERT_TRUE(Incoming("two"));
    EXPECT_LE(files.largestRead, kHistoryTailWindow);
}

// A write that fails (a full disk): the file keeps its closing block and nothing is half-written.
class FailedHistoryWriteTest : public HistoryWriterTest {};

TEST_F(FailedHistoryWriteTest, FailedEntryWriteLeavesTheFileAsItWas)
{
    Incoming("kept");
    std::string before = File();
    now.day = 6; // a date row would be written too
    files.failWrite = 1;
    files.failingWriteKeeps = 100;
    EXPECT_FALSE(Incoming("lost"));
    EXPECT_EQ(File(), before);
    EXPECT_EQ(ReadLastHistoryTime(registry), "5/3/2024");
}

TEST_F(FailedHistoryWriteTest, FailedClosingWriteLeavesTheFileAsItWas)
{
    Incoming("kept");
    std::string before = File();
    files.failWrite = 2;
    files.failingWriteKeeps = 10;
    EXPECT_FALSE(Incoming("lost"));
    EXPECT_EQ(File(), before);
}

TEST_F(FailedHistoryWriteTest, FailedFirstWriteRemovesTheNewFile)
{
    files.failWrite = 1;
    files.failingWriteKeeps = 50;
    EXPECT_FALSE(Incoming("lost"));
    EXPECT_EQ(files.files.count(kPath), 0u);
    EXPECT_EQ(ReadLastHistoryTime(registry), "");
    ASSERT_TRUE(Incoming("again"));
    EXPECT_EQ(File().find("<html>"), 0u);
}

TEST_F(FailedHistoryWriteTest, UnreadableFileIsLeftAlone)
{
    Incoming("kept");
    std::string before = File();
    files.failRead = true;
    EXPECT_FALSE(Incoming("lost"));
    EXPECT_EQ(File(), before);
}

} // namespace
} // namespace kivet
