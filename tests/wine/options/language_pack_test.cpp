// Language packs loaded from real libraries with the system's loader: the good pack's strings
// and menus, each way a library can fail, strings longer than their buffers, the description box
// with an owner window, the menu bar kept on its window across switches, and the help viewer.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "messenger/runtime/pack_strings.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/help_viewer.h"
#include "messenger/runtime/win32/language_menus.h"
#include "messenger/runtime/win32/language_pack_loader.h"
#include "tests/wine/options/options_driver.h"

namespace kivet {
namespace {

using wine::BinFolder;
using wine::BoxAnswerer;

const char kPackCaption[] = "[ Language Pack loading ]";
const char kCannotLoad[] =
    "Cannot load the Language Pack.\nMake sure that it is located in Kivet Secure Messenger work directory.";
const char kInvalid[] = "Invalid Language Pack. Loading failed.";

std::string MenuText(HMENU menu, UINT position)
{
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

// The packs sit in this program's folder under the file names of the language indexes: each
// library stays loaded once used, so every kind of pack has an index of its own.
class LanguagePacks : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const std::string bin = BinFolder();
        wine::CopyInto(bin + "good_pack.dll", bin, "russian.lng");
        wine::CopyInto(bin + "unchecked_pack.dll", bin, "french.lng");
        wine::CopyInto(bin + "refusing_pack.dll", bin, "italian.lng");
        wine::CopyInto(bin + "instanceless_pack.dll", bin, "german.lng");
        wine::CopyInto(bin + "long_pack.dll", bin, "spanish.lng");
        DeleteFileA((bin + "japanese.lng").c_str()); // the missing pack
    }
    // The libraries stay loaded; where the system allows it, their copies go.
    static void TearDownTestSuite()
    {
        for (const char* file : {"russian.lng", "french.lng", "italian.lng", "german.lng", "spanish.lng"})
            DeleteFileA((BinFolder() + file).c_str());
    }
    void TearDown() override { LoadLanguagePack(nullptr, 0); }
};

TEST_F(LanguagePacks, AGoodPackReplacesTheMenusAndRefillsTheTextTable)
{
    BoxAnswerer boxes({kPackCaption, "Description"});
    ASSERT_TRUE(LoadLanguagePack(nullptr, 1));
    EXPECT_TRUE(boxes.Seen().empty()) << "no box without an owner window";
    EXPECT_STREQ(Text(153), "Optionen");
    EXPECT_STREQ(Text(133), "Nachricht von %s an %s");
    EXPECT_STREQ(Text(110), "") << "a string the pack lacks is left without text";
    EXPECT_EQ(MenuText(LanguageMainMenu(), 0), "&Datei");
    EXPECT_EQ(MenuText(GetSubMenu(LanguagePopupMenus(), 0), 0), "\xD6" "&ffnen");

    ASSERT_TRUE(LoadLanguagePack(nullptr, 0));
    EXPECT_STREQ(Text(153), "Options");
    EXPECT_NE(std::strlen(Text(110)), 0u);
    EXPECT_EQ(MenuText(LanguageMainMenu(), 0), "&File");
}

TEST_F(LanguagePacks, APackStringWithOtherConversionsIsReplacedByTheEnglishOne)
{
    ASSERT_TRUE(LoadLanguagePack(nullptr, 1));
    EXPECT_STREQ(Text(136), "Messages: %d") << "the pack's \"Nachrichten: %s\" would read an int as a string";
    EXPECT_STREQ(Text(kHelpFileNameId), "hilfe.chm");
}

TEST_F(LanguagePacks, EachBrokenPackShowsItsBoxAndLeavesEnglish)
{
    struct Row {
        int32_t index;
        const char* what;
        const char* box; // nullptr: refused without a box
    } rows[] = {
        {2, "no IsKivetLanguagePack", kInvalid},
        {3, "IsKivetLanguagePack answers 0", nullptr},
        {4, "no GetLibraryInstance", kInvalid},
        {6, "no file", kCannotLoad},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        ASSERT_TRUE(LoadLanguagePack(nullptr, 1));
        std::vector<std::string> seen;
        {
            BoxAnswerer boxes({kPackCaption});
            EXPECT_FALSE(LoadLanguagePack(nullptr, r.index));
            seen = boxes.Seen();
        }
        if (r.box) {
            ASSERT_EQ(seen.size(), 1u);
            EXPECT_EQ(seen[0], std::string(kPackCaption) + "|" + r.box);
        } else {
            EXPECT_TRUE(seen.empty());
        }
        EXPECT_STREQ(Text(153), "Options") << "the program's own texts after a failed pack";
        EXPECT_EQ(MenuText(LanguageMainMenu(), 0), "&File");
    }
}

TEST_F(LanguagePacks, StringsLongerThanTheirBuffersAreCut)
{
    ASSERT_TRUE(LoadLanguagePack(nullptr, 5));
    EXPECT_EQ(std::strlen(Text(114)), 99u);
    EXPECT_EQ(std::strlen(Text(153)), 149u);
    EXPECT_EQ(std::strlen(Text(110)), 199u);
    EXPECT_EQ(std::string(Text(153)).substr(0, 9), "Optionen ");
    // The 100-character buffer cuts string 137 inside its second conversion: English instead.
    EXPECT_STREQ(Text(137), "%d Messages, %d New");
}

TEST_F(LanguagePacks, WithAnOwnerWindowThePackDescribesItself)
{
    HWND owner = CreateWindowA("STATIC", "owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    std::vector<std::string> seen;
    {
        BoxAnswerer boxes({"Description", kPackCaption});
        EXPECT_NE(LoadPackModule(owner, BinFolder() + "russian.lng"), nullptr);
        seen = boxes.Seen();
    }
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].substr(0, 25), "Description|Test Language");
    {
        BoxAnswerer boxes({"Description", kPackCaption});
        EXPECT_NE(LoadPackModule(nullptr, BinFolder() + "russian.lng"), nullptr);
        EXPECT_TRUE(boxes.Seen().empty());
    }
    DestroyWindow(owner);
}

TEST_F(LanguagePacks, TheMenuBarStaysOnItsWindowAcrossSwitches)
{
    HWND window = CreateWindowA("STATIC", "menu carrier", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(LoadLanguagePack(nullptr, 0));
    AttachMainMenu(window);
    HMENU english = GetMenu(window);
    EXPECT_EQ(english, LanguageMainMenu());

    ASSERT_TRUE(LoadLanguagePack(nullptr, 1));
    EXPECT_EQ(GetMenu(window), LanguageMainMenu()) << "the new bar is on the window";
    EXPECT_EQ(MenuText(GetMenu(window), 0), "&Datei");
    EXPECT_FALSE(IsMenu(english)) << "the old bar is destroyed once it is off the window";

    DestroyLanguageMenus();
    EXPECT_EQ(GetMenu(window), nullptr);
    DestroyWindow(window);
}

// The stand-in help viewer in this program's folder is found before the system's.
class HelpViewer : public ::testing::Test {
protected:
    void SetUp() override
    {
        wine::CopyInto(BinFolder() + "stand-ins\\hh.exe", BinFolder(), "hh.exe");
        DeleteFileA(calls.c_str());
    }
    void TearDown() override
    {
        LoadLanguagePack(nullptr, 0);
        DeleteFileA((BinFolder() + "hh.exe").c_str());
        DeleteFileA(calls.c_str());
    }
    std::string NextCall()
    {
        wine::WaitUntil([&] { return !wine::ReadTextFile(calls).empty(); }, 10000);
        std::string line = wine::ReadTextFile(calls);
        DeleteFileA(calls.c_str());
        return line.substr(0, line.find('\n'));
    }
    const std::string calls = BinFolder() + "hh_calls.txt";
};

TEST_F(HelpViewer, OpensTheTopicInTheHelpFileTheTextTableNames)
{
    ASSERT_TRUE(LoadLanguagePack(nullptr, 0));
    ShowHelpTopic(1);
    EXPECT_EQ(NextCall(), "hh.exe \"" + BinFolder() + "kivetsec.chm::/html/kive6rvw.htm\"");
    ShowHelpTopic(12);
    EXPECT_EQ(NextCall(), "hh.exe \"" + BinFolder() + "kivetsec.chm::/html/kive6339.htm\"");

    ASSERT_TRUE(LoadLanguagePack(nullptr, 1));
    ShowHelpTopic(0);
    EXPECT_EQ(NextCall(), "hh.exe \"" + BinFolder() + "hilfe.chm\"") << "the pack's help file";
}

} // namespace
} // namespace kivet
