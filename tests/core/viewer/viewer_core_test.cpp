// The viewer's choice of page and the placing of its controls.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "viewer/viewer_layout.h"
#include "viewer/viewer_paths.h"

namespace kivet::viewer {
namespace {

TEST(ViewerPage, UserFileBesideTheProgramOrTheFallback)
{
    std::set<std::string> readable = {"C:\\Apps\\Kivet\\History\\Anna.html"};
    auto canRead = [&](const std::string& p) { return readable.count(p) != 0; };
    EXPECT_EQ(ChoosePage("C:\\Apps\\Kivet\\History.exe", "Anna", canRead), "C:\\Apps\\Kivet\\History\\Anna.html");
    // Another user of the same computer sees only their own file, or the fallback.
    EXPECT_EQ(ChoosePage("C:\\Apps\\Kivet\\History.exe", "Boris", canRead), "C:\\Apps\\Kivet\\History\\empty.html");
    readable.insert("C:\\Apps\\Kivet\\History\\History.html");
    EXPECT_EQ(ChoosePage("C:\\Apps\\Kivet\\History.exe", "", canRead), "C:\\Apps\\Kivet\\History\\History.html");
}

TEST(ViewerPage, LogonNamesAreMadeSafeAsTheMessengerDoes)
{
    std::string asked;
    auto canRead = [&](const std::string& p) { asked = p; return true; };
    ChoosePage("C:\\K\\History.exe", "..\\..\\boot", canRead);
    EXPECT_EQ(asked, "C:\\K\\History\\.._.._boot.html");
}

TEST(ViewerPage, PathTooLongToOpenGivesTheFallback)
{
    std::string folder = "C:\\" + std::string(240, 'f') + "\\";
    bool asked = false;
    auto canRead = [&](const std::string&) { asked = true; return true; };
    EXPECT_EQ(ChoosePage(folder + "History.exe", std::string(20, 'u'), canRead), folder + "History\\empty.html");
    EXPECT_FALSE(asked);
}

TEST(ViewerPage, FoldersOfPaths)
{
    EXPECT_EQ(ModuleFolder("C:\\A\\B\\History.exe"), "C:\\A\\B\\");
    EXPECT_EQ(ModuleFolder("History.exe"), "");
    EXPECT_EQ(PageFolder("C:\\A\\History\\Anna.html"), "C:\\A\\History\\");
}

TEST(ViewerLayout, ButtonsStayInTheBottomRightCorner)
{
    for (int w : {200, 524, 1000}) {
        for (int h : {100, 400, 900}) {
            ViewerLayout l = LayoutViewer(w, h, 75, 23);
            EXPECT_EQ(l.page, (Box{0, 0, w, h - 33}));
            EXPECT_EQ(l.close, (Box{w - 78, h - 27, 75, 23}));
            EXPECT_EQ(l.print, (Box{w - 160, h - 27, 75, 23}));
            EXPECT_LT(l.print.x + l.print.width, l.close.x) << "Print... left of Close, not overlapping";
        }
    }
}

TEST(ViewerLayout, TinyWindowLeavesAnEmptyPage)
{
    ViewerLayout l = LayoutViewer(10, 20, 75, 23);
    EXPECT_EQ(l.page.height, 0);
    EXPECT_EQ(LayoutViewer(-5, 0, 75, 23).page.width, 0);
}

} // namespace
} // namespace kivet::viewer
