// The main window of the real program showing messages that a second program writes into its
// mailslot, and its commands driven from outside.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "tests/wine/driver/main_window_session.h"

namespace kivet::wine {
namespace {

constexpr int kHeader = 1094;
constexpr int kText = 1000;
constexpr int kDate = 1010;
constexpr int kToolbar = 1004;
constexpr WORD kPrevious = 32790, kNext = 32789, kDelete = 32787, kDeleteAll = 32788;
constexpr WORD kTrayPrevious = 32808, kTrayNext = 32809, kTrayDelete = 32810, kTrayDeleteAll = 32811;

bool WritePlain(const std::string& sender, const std::string& text)
{
    return WritePlainMessage(sender, "Bob", text);
}

class MainWindow : public MainWindowSession {
protected:
    bool ToolbarEnabled(WORD command)
    {
        return SendMessageA(GetDlgItem(main, kToolbar), TB_ISBUTTONENABLED, command, 0) != 0;
    }
};

TEST_F(MainWindow, EmptyStoreShowsNoMessagesWithEverythingDisabled)
{
    EXPECT_EQ(ControlText(main, kHeader), "No messages");
    EXPECT_FALSE(ToolbarEnabled(kPrevious));
    EXPECT_FALSE(ToolbarEnabled(kNext));
    EXPECT_FALSE(ToolbarEnabled(kDelete));
    EXPECT_FALSE(MenuEnabled(kDelete, false));
    EXPECT_FALSE(MenuEnabled(kTrayDeleteAll, true));
}

TEST_F(MainWindow, TheNamesTreePicturesAreLoaded)
{
    static const UINT query = RegisterWindowMessageA("KivetSecureMessenger.TreeImages");
    EXPECT_EQ(SendMessageA(main, query, 0, 0), 14);
}

TEST_F(MainWindow, OneMessageIsShownWithPreviousAndNextDisabled)
{
    ASSERT_TRUE(WritePlain("ALICE", "Lunch at noon?"));
    ASSERT_TRUE(WaitForHeader("Message from Alice to Bob"));
    // The command states follow the view; the toolbar is set last.
    ASSERT_TRUE(WaitUntil([&] { return ToolbarEnabled(kDelete); }, 5000));
    EXPECT_EQ(ControlText(main, kText), "Lunch at noon?");
    EXPECT_FALSE(ControlText(main, kDate).empty());
    EXPECT_FALSE(ToolbarEnabled(kPrevious));
    EXPECT_FALSE(ToolbarEnabled(kNext));
    EXPECT_TRUE(ToolbarEnabled(kDelete));
    EXPECT_FALSE(MenuEnabled(kPrevious, false));
    EXPECT_FALSE(MenuEnabled(kNext, false));
    EXPECT_FALSE(MenuEnabled(kTrayPrevious, true));
    EXPECT_FALSE(MenuEnabled(kTrayNext, true));
    EXPECT_TRUE(MenuEnabled(kDelete, false));
    EXPECT_TRUE(MenuEnabled(kTrayDelete, true));
}

TEST_F(MainWindow, NextPreviousAndDeleteMoveThroughTheStore)
{
    ASSERT_TRUE(WritePlain("Alice", "one"));
    ASSERT_TRUE(WaitForHeader("Message from Alice to Bob"));
    ASSERT_TRUE(WritePlain("Carol", "two"));
    ASSERT_TRUE(WritePlain("Dave", "three"));
    ASSERT_TRUE(WaitUntil([&] { return ToolbarEnabled(kNext); }, 10000));
    EXPECT_EQ(ControlText(main, kText), "one") << "the current message stays while new ones arrive";

    Command(kNext);
    EXPECT_EQ(ControlText(main, kHeader), "Message from Carol to Bob");
    EXPECT_TRUE(ToolbarEnabled(kPrevious));
    EXPECT_TRUE(ToolbarEnabled(kNext));
    Command(kNext);
    EXPECT_EQ(ControlText(main, kText), "three");
    EXPECT_FALSE(ToolbarEnabled(kNext));
    Command(kNext); // on the last record: stays
    EXPECT_EQ(ControlText(main, kText), "three");

    Command(kDelete); // the last one: the one before becomes current
    EXPECT_EQ(ControlText(main, kText), "two");
    Command(kPrevious);
    EXPECT_EQ(ControlText(main, kText), "one");
    Command(kDelete); // not the last: the next one becomes current
    EXPECT_EQ(ControlText(main, kText), "two");
    EXPECT_FALSE(ToolbarEnabled(kPrevious));
    EXPECT_FALSE(ToolbarEnabled(kNext));
}

TEST_F(MainWindow, DeleteAllWithUnreadMessagesAsksTwice)
{
    ASSERT_TRUE(WritePlain("Alice", "read"));
    ASSERT_TRUE(WaitForHeader("Message from Alice to Bob"));
    ASSERT_TRUE(WritePlain("Carol", "not read yet"));
    ASSERT_TRUE(WaitUntil([&] { return ToolbarEnabled(kNext); }, 10000));

    PostMessageA(main, WM_COMMAND, kDeleteAll, 0);
    HWND first = WaitFor([&] { return FindMessageBox(program.Id(), "Deleting messages"); });
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(MessageBoxText(first), "Are you sure that want to delete all messages?");
    PressButton(first, IDYES);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(first); }, 5000));
    HWND second = WaitFor([&] { return FindMessageBox(program.Id(), "Deleting messages"); });
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(MessageBoxText(second), "There are unread messages among the removing messages.\nContinue?");
    PressButton(second, IDNO);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(second); }, 5000));
    EXPECT_EQ(ControlText(main, kText), "read") << "No keeps every message";
    EXPECT_TRUE(ToolbarEnabled(kNext));

    PostMessageA(main, WM_COMMAND, kDeleteAll, 0);
    for (int i = 0; i < 2; ++i) {
        HWND box = WaitFor([&] { return FindMessageBox(program.Id(), "Deleting messages"); });
        ASSERT_NE(box, nullptr);
        PressButton(box, IDYES);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
    }
    EXPECT_TRUE(WaitForHeader("No messages"));
}

TEST_F(MainWindow, TheSenderCommandsFollowTheMessage)
{
    for (WORD id : {32826, 32840}) // details, browse
        EXPECT_FALSE(MenuEnabled(id, false)) << id;
    ASSERT_TRUE(WritePlain("Alice", "x"));
    ASSERT_TRUE(WaitForHeader("Message from Alice to Bob"));
    ASSERT_TRUE(WaitUntil([&] { return ToolbarEnabled(kDelete); }, 5000));
    for (WORD id : {32826, 32840})
        EXPECT_TRUE(MenuEnabled(id, false)) << id;
}

TEST_F(MainWindow, SplitMessageIsShownAsOneMessage)
{
    std::string text;
    for (int i = 0; i < 650; ++i)
        text += static_cast<char>('a' + i % 26);
    for (std::size_t at = 0; at < text.size(); at += 300) {
        std::string piece = text.substr(at, 300);
        std::string d = std::string("Alice") + '\0' + "Bob" + '\0' + piece + '\0' + "ALICE-PC" + '\0' + '\2' + '\0';
        HANDLE slot = CreateFileA("\\\\.\\mailslot\\messngr", GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(slot, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(slot, d.data(), static_cast<DWORD>(d.size()), &written, nullptr);
        CloseHandle(slot);
    }
    ASSERT_TRUE(WaitForHeader("Message from Alice to Bob"));
    EXPECT_EQ(ControlText(main, kText), text);
    EXPECT_FALSE(ToolbarEnabled(kNext)) << "one record, not three";
}

TEST_F(MainWindow, ExitWithUnreadMessagesAndNoKeepsEverything)
{
    SendMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WritePlain("Alice", "unread while hidden"));
    ASSERT_TRUE(WaitUntil(
        [&] {
            std::vector<std::string> a = LogActions(ReadTextFile(folder + "\\kivetsec.log"));
            return std::find(a.begin(), a.end(), "New common message has been received. Complete.") != a.end();
        },
        10000));
    PostMessageA(main, WM_COMMAND, 105, 0);
    HWND quit = WaitFor([&] { return FindMessageBox(program.Id(), "Closing Kivet Secure Messenger"); });
    ASSERT_NE(quit, nullptr);
    PressButton(quit, IDYES);
    HWND unread = WaitFor([&] { return FindMessageBox(program.Id(), "Deleting messages"); });
    ASSERT_NE(unread, nullptr) << "unread messages must be asked about";
    EXPECT_EQ(MessageBoxText(unread), "There are unread messages among the removing messages.\nContinue?");
    PressButton(unread, IDNO);
    EXPECT_TRUE(WaitForHeader("Message from Alice to Bob")) << "the window comes back with the message";
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_TRUE(program.Running());
}

TEST_F(MainWindow, EmoticonCodesBecomePictures)
{
    ASSERT_TRUE(WritePlain("Alice", "hi [:)] there [:D]"));
    ASSERT_TRUE(WaitForHeader("Message from Alice to Bob"));
    std::string shown = ControlText(main, kText);
    // The picture stands as one character in the control's text; the upper-case code stays text.
    EXPECT_EQ(shown.find("[:)]"), std::string::npos) << shown;
    EXPECT_NE(shown.find("[:D]"), std::string::npos) << shown;
    EXPECT_EQ(shown.size(), std::string("hi ? there [:D]").size()) << shown;
}

TEST_F(MainWindow, ClosingKeepsReceivingAndMessagesStayUnreadUntilShown)
{
    SendMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_FALSE(IsWindowVisible(main));
    ASSERT_TRUE(WritePlain("Alice", "while away"));
    ASSERT_TRUE(WaitUntil(
        [&] {
            std::vector<std::string> a = LogActions(ReadTextFile(folder + "\\kivetsec.log"));
            return std::find(a.begin(), a.end(), "New common message has been received.") != a.end();
        },
        10000));
    SendMessageA(main, 1037, 107, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitForHeader("Message from Alice to Bob"));
}

// Datagrams shorter than any header are dropped within a pass, so a burst of them holds up nobody.
TEST_F(MainWindow, ABurstOfOneByteDatagramsHoldsUpNoMessage)
{
    HANDLE slot = CreateFileA("\\\\.\\mailslot\\messngr", GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(slot, INVALID_HANDLE_VALUE);
    for (int i = 0; i < 1000; ++i) {
        DWORD written = 0;
        ASSERT_TRUE(WriteFile(slot, "x", 1, &written, nullptr));
    }
    CloseHandle(slot);
    ASSERT_TRUE(WritePlain("Alice", "after the burst"));
    // The poll runs every 3 s: the message is shown within two ticks.
    EXPECT_TRUE(WaitUntil([&] { return ControlText(main, kHeader) == "Message from Alice to Bob"; }, 6500));
}

// The tray query answers with one atom at a time, and the program's end removes it.
TEST_F(MainWindow, TrayQueriesLeaveNoAtomsBehind)
{
    std::string tip;
    for (int i = 0; i < 20; ++i)
        tip = TrayTooltip(main);
    ASSERT_EQ(tip, "0 Messages, 0 New");
    EXPECT_NE(GlobalFindAtomA(tip.c_str()), 0);
    ASSERT_TRUE(ExitProgram(program));
    EXPECT_EQ(GlobalFindAtomA(tip.c_str()), 0) << "an answer outlived the program";
}

TEST_F(MainWindow, AFloodOfDatagramsLeavesTheWindowAnswering)
{
    constexpr int kFlood = 200;
    for (int i = 0; i < kFlood; ++i)
        ASSERT_TRUE(WritePlain("Spammer", "flood " + std::to_string(i)));
    // While the program works through them it must keep answering: one pass takes its share of the
    // waiting datagrams without pausing between them and leaves the rest to the next tick.
    DWORD_PTR result = 0;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 8000) {
        ASSERT_NE(SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1500, &result), 0)
            << "the window stopped answering after " << GetTickCount() - start << " ms";
        Sleep(100);
    }
    EXPECT_TRUE(WaitUntil([&] { return TrayTooltip(main).rfind("200 Messages", 0) == 0; }, 30000)) << TrayTooltip(main);
}

} // namespace
} // namespace kivet::wine
