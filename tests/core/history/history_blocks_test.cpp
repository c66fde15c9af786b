// The document's blocks byte for byte, and the message text as the history shows it.
#include <gtest/gtest.h>

#include <string>

#include "messenger/history/history_blocks.h"
#include "messenger/history/history_body.h"
#include "messenger/history/history_time.h"

namespace kivet {
namespace {

const char kFolder[] = "C:\\Kivet\\";

TEST(HistoryBlocks, HeadBlockCarriesTheOwnerAndEndsWithItsDateRow)
{
    std::string expected =
        "<html>\r\n<head>\r\n<title>Message History</title>\r\n</head>\r\n\r\n"
        "<link rel=stylesheet type=\"text/css\" href=\"style.css\">\r\n"
        "<body bgcolor=\"#ffffff\" marginwidth=5 marginheight=5 topmargin=5 leftmargin=5 "
        "onLoad='window.location=\"#bottom\"';>\r\n"
        "<table width=100% cellspacing=0 cellpadding=0 border=0>\r\n<tr>\r\n<td>\r\n"
        "<div class=\"mheader\">Message History</div>\r\n</td>\r\n<td valign=center align=right>\r\n"
        "<table border=0 cellspacing=0 cellpadding=0>\r\n<tr>\r\n"
        "<td><img src=\"C:\\Kivet\\images/user.gif\" width=16 height=16 border=0></td>\r\n"
        "<td><div class=\"userinfo\"><b>Jsmith</b><font color=\"#aaaaaa\">&nbsp;|</font></div></td>\r\n"
        "<td><img src=\"C:\\Kivet\\images/pc.gif\" width=16 height=16 border=0></td>\r\n"
        "<td><div class=\"userinfo\"><b>Pc-07</b></div></td>\r\n"
        "</tr>\r\n</table>\r\n</td>\r\n"
        "</tr width=100% cellspacing=0 cellpadding=0 border=0>\r\n"
        "<tr><td height=1 colspan=2 bgcolor=\"#cccccc\"><img src=\"C:\\Kivet\\images/tfill.gif\" height=1 "
        "width=100% border=0><td></tr>\r\n"
        "</table>\r\n\r\n"
        "<table border=0 cellspacing=0 cellpadding=0 width=100%>\r\n"
        "<tr><td width=100% align=right><div class=date>5/3/2024</div></td></tr>\r\n"
        "</table>\r\n\r\n";
    EXPECT_EQ(HistoryHeadBlock({kFolder, "Jsmith", "Pc-07"}, "5/3/2024"), expected);
}

TEST(HistoryBlocks, DateBlock)
{
    EXPECT_EQ(HistoryDateBlock("31/12/1999"),
              "<table border=0 cellspacing=0 cellpadding=0 width=100%>\r\n"
              "<tr><td width=100% align=right><div class=date>31/12/1999</div></td></tr>\r\n"
              "</table>\r\n\r\n");
}

TEST(HistoryBlocks, IncomingEntryNamesSenderAndRecipient)
{
    HistoryEntry entry{"Alice", "Bob", "Hi", true};
    EXPECT_EQ(HistoryEntryBlock(kFolder, entry, "9:5:7"),
              "<table border=0 width=100% cellspacing=0 cellpadding=0>\r\n"
              "<tr bgcolor=\"#e8e2da\">\r\n"
              "<td width=16 height=16><div class=\"messpic\"><img src=\"C:\\Kivet\\images/in.gif\" width=16 "
              "height=16 border=0 alt=\"Incoming message\"></div></td>\r\n"
              "<td width=100% align=left><div class=messinfo>from Alice to Bob</div></td>\r\n"
              "<td align=right><div class=messinfo>9:5:7</div></td>\r\n"
              "</tr>\r\n"
              "<tr><td colspan=3><div class=\"mess\">Hi\r\n"
              "</div></td></tr>\r\n</table>\r\n");
}

TEST(HistoryBlocks, OutgoingEntryNamesOnlyTheRecipient)
{
    HistoryEntry entry{"Alice", "Bob", "a<b", false};
    EXPECT_EQ(HistoryEntryBlock(kFolder, entry, "23:59:0"),
              "<table border=0 width=100% cellspacing=0 cellpadding=0>\r\n"
              "<tr bgcolor=\"#dde8da\">\r\n"
              "<td width=16 height=16><div class=\"messpic\"><img src=\"C:\\Kivet\\images/out.gif\" width=16 "
              "height=16 border=0 alt=\"Outgoing message\"></div></td>\r\n"
              "<td width=100% align=left><div class=messinfo>to Bob</div></td>\r\n"
              "<td align=right><div class=messinfo>23:59:0</div></td>\r\n"
              "</tr>\r\n"
              "<tr><td colspan=3><div class=\"mess\">a&lt;b\r\n"
              "</div></td></tr>\r\n</table>\r\n");
}

TEST(HistoryBlocks, ClosingBlockBytes)
{
    EXPECT_EQ(std::string(kHistoryClosingBlock), "<a name=\"bottom\"></a>\r\n</body>\r\n</html>\r\n");
}

TEST(HistoryTime, DateAndTimeWithoutLeadingZeros)
{
    LocalTime t{2024, 3, 5, 9, 5, 7};
    EXPECT_EQ(HistoryDateText(t), "5/3/2024");
    EXPECT_EQ(HistoryTimeText(t), "9:5:7");
    LocalTime late{1999, 12, 31, 23, 59, 0};
    EXPECT_EQ(HistoryDateText(late), "31/12/1999");
    EXPECT_EQ(HistoryTimeText(late), "23:59:0");
    EXPECT_EQ(HistoryTimeText(LocalTime{2024, 1, 1, 0, 0, 0}), "0:0:0");
}

std::string Body(std::string_view text)
{
    return HistoryBody("C:\\K\\", text);
}

TEST(HistoryBody, MarkupCharactersAndLineBreaks)
{
    EXPECT_EQ(Body("1 < 2 > 0"), "1 &lt; 2 &gt; 0");
    EXPECT_EQ(Body("a & \"b\" 'c'"), "a & \"b\" 'c'");
    EXPECT_EQ(Body("one\r\ntwo"), "one<br>two");
    EXPECT_EQ(Body("\r\n\r\n"), "<br><br>");
    EXPECT_EQ(Body(""), "");
}

TEST(HistoryBody, LoneLineEndsAreOneBreakAndKeepTheNextCharacter)
{
    EXPECT_EQ(Body("a\rb"), "a<br>b");
    EXPECT_EQ(Body("a\nb"), "a<br>b");
    EXPECT_EQ(Body("a\n\rb"), "a<br><br>b");
    EXPECT_EQ(Body("end\r"), "end<br>");
    EXPECT_EQ(Body("\n<"), "<br>&lt;");
    EXPECT_EQ(Body("\r[:)]"), "<br><img width=\"19\" height=\"19\" align=\"absmiddle\" src=\"C:\\K\\images/emimg_01.gif\">");
}

TEST(HistoryBody, EmoticonCodesBecomePicturesCaseSensitively)
{
    EXPECT_EQ(Body("hi [:)]"),
              "hi <img width=\"19\" height=\"19\" align=\"absmiddle\" src=\"C:\\K\\images/emimg_01.gif\">");
    EXPECT_EQ(Body("[:D]"), "[:D]");
    EXPECT_EQ(Body("[SUN][sun]"),
              "[SUN]<img width=\"19\" height=\"19\" align=\"absmiddle\" src=\"C:\\K\\images/emimg_18.gif\">");
    EXPECT_EQ(Body("[:'(][(})]"),
              "<img width=\"19\" height=\"19\" align=\"absmiddle\" src=\"C:\\K\\images/emimg_13.gif\">"
              "<img width=\"19\" height=\"19\" align=\"absmiddle\" src=\"C:\\K\\images/emimg_41.gif\">");
    // A code is never cut by a line break, and its brackets are not escaped.
    EXPECT_EQ(Body("[:\r\n)]"), "[:<br>)]");
}

TEST(HistoryBody, EveryCodeInTableOrderHasItsNumberedPicture)
{
    const char* codes[] = {
        "[:)]",  "[:d]",  "[;)]",  "[:o]",  "[:p]",  "[(y)]", "[(h)]", "[:@]",  "[:$]",  "[:s]",  "[:(]",
        "[(n)]", "[:'(]", "[:|]",  "[(6)]", "[(a)]", "[(l)]", "[sun]", "[(u)]", "[(@)]", "[(&)]", "[(s)]",
        "[(*)]", "[(b)]", "[(~)]", "[(e)]", "[(8)]", "[(f)]", "[(w)]", "[(x)]", "[(o)]", "[(k)]", "[(g)]",
        "[(^)]", "[(p)]", "[(z)]", "[(i)]", "[(c)]", "[(t)]", "[({)]", "[(})]", "[(d)]",
    };
    for (int n = 1; n <= 42; ++n) {
        char file[32];
        std::snprintf(file, sizeof file, "emimg_%02d.gif", n);
        EXPECT_EQ(Body(codes[n - 1]),
                  std::string("<img width=\"19\" height=\"19\" align=\"absmiddle\" src=\"C:\\K\\images/") + file + "\">")
            << codes[n - 1];
    }
}

TEST(HistoryBody, LongestExpandingTextIsWrittenInFull)
{
    std::string text(4999, '<');
    std::string body = Body(text);
    ASSERT_EQ(body.size(), 4999u * 4);
    EXPECT_EQ(body.find_first_not_of("&lt;"), std::string::npos);
    EXPECT_EQ(body.substr(body.size() - 8), "&lt;&lt;");
}

TEST(HistoryBody, StopsAtTheTerminatingZero)
{
    EXPECT_EQ(Body(std::string_view("ab\0<cd", 6)), "ab");
}

} // namespace
} // namespace kivet
