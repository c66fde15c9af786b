// Where the next entry goes in files the program wrote, cut short, edited by hand or foreign.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "messenger/history/closing_block.h"
#include "messenger/history/history_blocks.h"

namespace kivet {
namespace {

const std::string kClosing(kHistoryClosingBlock);
const std::string kEntryEnd = "</div></td></tr>\r\n</table>\r\n";

HistoryWritePlace PlaceIn(const std::string& file)
{
    std::size_t tail = file.size() < kHistoryTailWindow ? file.size() : kHistoryTailWindow;
    return FindHistoryWritePlace(file.size(), std::string_view(file).substr(file.size() - tail));
}

TEST(HistoryWritePlace, FilesTheProgramWrote)
{
    std::string file = "<html>..." + kEntryEnd + kClosing;
    EXPECT_EQ(PlaceIn(file).offset, file.size() - 41);
    EXPECT_FALSE(PlaceIn(file).empty);
    EXPECT_EQ(PlaceIn(kClosing).offset, 0u); // nothing but the closing block
    std::string large(100000, 'x');
    large += kClosing;
    EXPECT_EQ(PlaceIn(large).offset, large.size() - 41);
}

TEST(HistoryWritePlace, EmptyFileStartsLikeANewOne)
{
    HistoryWritePlace place = FindHistoryWritePlace(0, "");
    EXPECT_TRUE(place.empty);
    EXPECT_EQ(place.offset, 0u);
}

TEST(HistoryWritePlace, BlanksAfterTheClosingBlockAreReplaced)
{
    std::string file = "<html>" + kEntryEnd + kClosing + "\r\n \t\n";
    EXPECT_EQ(PlaceIn(file).offset, file.size() - 5 - 41);
}

TEST(HistoryWritePlace, ClosingBlockCutShortIsCompletedWithoutTouchingTheEntry)
{
    std::string entry = "<html>" + kEntryEnd;
    for (std::size_t kept = 1; kept < kClosing.size(); ++kept) {
        std::string file = entry + kClosing.substr(0, kept);
        EXPECT_EQ(PlaceIn(file).offset, entry.size()) << kept;
    }
}

TEST(HistoryWritePlace, AnythingElseIsKeptWhole)
{
    const std::string cases[] = {
        "<html>",                                       // shorter than the closing block
        "x",
        "<html>" + kEntryEnd + "</body></html>",        // closed by hand
        "<html>" + kEntryEnd + kClosing + "<p>note</p>", // edited after the end
        "<html>text <a name=\"bot",                     // closing bytes not after a table's end
        "<html>" + kEntryEnd + "<a name=\"bottom\"></a>\n</body>\n</html>\n", // line ends changed
        std::string(5000, '\0'),
        std::string(40, 'A') + "\r\n",
    };
    for (const std::string& file : cases)
        EXPECT_EQ(PlaceIn(file).offset, file.size()) << file.substr(0, 60);
}

TEST(HistoryWritePlace, TailLongerThanTheFileIsIgnoredBeyondTheFile)
{
    // A caller that hands more bytes than the file has: only the file's own bytes count.
    std::string tail = std::string(10, 'x') + kClosing;
    EXPECT_EQ(FindHistoryWritePlace(41, tail).offset, 0u);
    EXPECT_EQ(FindHistoryWritePlace(5, tail).offset, 5u);
}

// Whatever the file holds, the bytes from the write place to the end are only the program's own
// closing bytes (the beginning of a closing block, or a closing block whose last line end may have
// become other blanks) and blanks after it: nothing else is overwritten.
void ExpectOnlyClosingBytesReplaced(const std::string& file)
{
    HistoryWritePlace place = PlaceIn(file);
    ASSERT_LE(place.offset, file.size());
    std::string replaced = file.substr(static_cast<std::size_t>(place.offset));
    if (replaced.size() <= kClosing.size() && kClosing.compare(0, replaced.size(), replaced) == 0) return;
    const std::size_t core = kClosing.size() - 2;
    ASSERT_EQ(replaced.substr(0, core), kClosing.substr(0, core));
    EXPECT_EQ(replaced.find_first_not_of(" \t\r\n", core), std::string::npos);
}

TEST(HistoryWritePlace, RandomFilesLoseNothingButClosingBytes)
{
    std::mt19937 random(20240305);
    const std::string pieces[] = {kClosing, kEntryEnd, "\r\n", " ", "<a name=\"bottom\"></a>\r\n", "</html>\r\n",
                                  "</table>", "x", std::string(1, '\0'), "<"};
    for (int round = 0; round < 20000; ++round) {
        std::string file;
        int count = static_cast<int>(random() % 8);
        for (int i = 0; i < count; ++i) {
            if (random() % 3 == 0) {
                file += static_cast<char>(random() % 256);
            } else {
                const std::string& piece = pieces[random() % std::size(pieces)];
                // sometimes only the beginning of a piece, as in a file cut short
                file += random() % 4 == 0 ? piece.substr(0, random() % (piece.size() + 1)) : piece;
            }
        }
        ExpectOnlyClosingBytesReplaced(file);
        if (HasFatalFailure() || HasNonfatalFailure()) {
            ADD_FAILURE() << "round " << round;
            return;
        }
    }
}

TEST(HistoryWritePlace, HugeBlankRunIsBoundedByTheWindow)
{
    // A closing block followed by more blanks than the window holds is not found: the entry goes
    // after the blanks, and nothing is lost.
    std::string file = "<html>" + kEntryEnd + kClosing + std::string(kHistoryTailWindow, '\n');
    EXPECT_EQ(PlaceIn(file).offset, file.size());
}

} // namespace
} // namespace kivet
