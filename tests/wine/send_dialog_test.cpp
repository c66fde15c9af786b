// The send dialog of the real program, driven from this second program: opened by New, Reply and
// a later start's "/e", its recipient box from the Quick List, completion and caption, the checks
// before a send, the geometry kept between openings, and a message to this computer's own name
// arriving in its main window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/wine/driver/main_window_session.h"

namespace kivet::wine {
namespace {

const char kProgramKey[] = "Software\\Ostrel\\Kivet Secure Messenger";
constexpr WORD kNew = 32771, kReply = 32772, kAutoReply = 32832;
constexpr int kMainMessageText = 1000;
constexpr int kRecipient = 1005, kText = 1000, kSend = 1004, kTree = 1008, kTextToolbar = 1001,
              kTreeToolbar = 1002, kStatus = 1003, kRecipientLabel = 1009, kMessageLabel = 1010;
constexpr int kTreeDetails = 32827, kTreeBrowse = 32830, kTreeReadAutoReply = 32834, kTreeTransfer = 32838,
              kTreeRefresh = 32835;

struct Search {
    DWORD process;
    std::string caption;
    HWND except;
    bool sendDialog;
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM param)
{
    auto* s = reinterpret_cast<Search*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != s->process || window == s->except || !IsWindowVisible(window)) return TRUE;
    char caption[256] = {};
    GetWindowTextA(window, caption, sizeof caption);
    const bool hasRecipientBox = GetDlgItem(window, kRecipient) != nullptr;
    if (s->sendDialog ? hasRecipientBox && std::string(caption).rfind(s->caption, 0) == 0
                      : !hasRecipientBox && s->caption == caption) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}

std::string WindowCaption(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::vector<std::string> ComboItems(HWND combo)
{
    std::vector<std::string> items;
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // The item's text travels between the processes in the wide form.
        wchar_t item[300] = {};
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        char narrow[300] = {};
        WideCharToMultiByte(CP_ACP, 0, item, -1, narrow, sizeof narrow, nullptr, nullptr);
        items.emplace_back(narrow);
    }
    return items;
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

void Type(HWND edit, const std::string& text)
{
    for (char c : text) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
}

DWORD ReadRegistryDword(const std::string& name)
{
    DWORD value = 0, size = sizeof value;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kProgramKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    return value;
}

std::vector<std::string> RegistryValueNames(const std::string& subkey)
{
    std::vector<std::string> names;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(kProgramKey) + "\\" + subkey).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return names;
    for (DWORD i = 0;; ++i) {
        char name[64];
        DWORD size = sizeof name;
        if (RegEnumValueA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name);
    }
    RegCloseKey(key);
    return names;
}

class SendDialog : public MainWindowSession {
protected:
    void PrepareRegistry() override
    {
        HKEY key;
        const std::string path = std::string(kProgramKey) + "\\QuickList";
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        for (const char* name : {"ALICE", "BOB", "BOBBY", "CAROL"})
            RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
        RegCloseKey(key);
    }

    HWND Open(WORD command)
    {
        PostMessageA(main, WM_COMMAND, command, 0);
        return WaitFor([&] { return FindDialog(); }, 10000);
    }
    HWND FindDialog()
    {
        Search s{program.Id(), "Sending message", nullptr, true, nullptr};
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&s));
        return s.found;
    }
    // A box of the program with that caption that is not the send dialog itself.
    HWND FindBox(const std::string& caption, DWORD ms = 5000)
    {
        return WaitFor(
            [&] {
                Search s{program.Id(), caption, nullptr, false, nullptr};
                EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&s));
                return s.found;
            },
            ms);
    }
    void Close(HWND dialog)
    {
        PressButton(dialog, IDCANCEL);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 5000));
    }
    static HWND RecipientEdit(HWND dialog) { return FindWindowExA(GetDlgItem(dialog, kRecipient), nullptr, "Edit", nullptr); }
    static void SetText(HWND dialog, int id, const std::string& text)
    {
        SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    static bool ButtonEnabled(HWND dialog, int toolbar, int command)
    {
        return SendMessageA(GetDlgItem(dialog, toolbar), TB_ISBUTTONENABLED, command, 0) != 0;
    }
};

TEST_F(SendDialog, NewOpensWithItsControlsTextsAndStartingStates)
{
    HWND dialog = Open(kNew);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowCaption(dialog), "Sending message");
    EXPECT_EQ(ControlText(dialog, kRecipientLabel), "Recipient name:");
    EXPECT_EQ(ControlText(dialog, kMessageLabel), "Message:");
    EXPECT_EQ(ControlText(dialog, kSend), "&Send");
    EXPECT_EQ(ControlText(dialog, IDCANCEL), "&Cancel");
    EXPECT_EQ(ClassOf(GetDlgItem(dialog, kText)), "RichEdit20A");
    EXPECT_EQ(ClassOf(GetDlgItem(dialog, kTree)), "SysTreeView32");
    EXPECT_EQ(ClassOf(GetDlgItem(dialog, kTextToolbar)), "ToolbarWindow32");
    EXPECT_EQ(ClassOf(GetDlgItem(dialog, kStatus)), "msctls_statusbar32");
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, kTextToolbar)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, 1101))); // "Quick" stands in only on 95/98
    EXPECT_FALSE(ButtonEnabled(dialog, kTreeToolbar, kTreeDetails));
    EXPECT_FALSE(ButtonEnabled(dialog, kTreeToolbar, kTreeBrowse));
    EXPECT_FALSE(ButtonEnabled(dialog, kTreeToolbar, kTreeReadAutoReply));
    EXPECT_FALSE(ButtonEnabled(dialog, kTreeToolbar, kTreeTransfer));
    EXPECT_TRUE(ButtonEnabled(dialog, kTreeToolbar, kTreeRefresh));
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, kText), EM_GETLIMITTEXT, 0, 0), 5000);
    // The Quick List's heading and names are in the tree.
    HWND tree = GetDlgItem(dialog, kTree);
    EXPECT_GE(SendMessageA(tree, TVM_GETCOUNT, 0, 0), 4);
    Close(dialog);
}

TEST_F(SendDialog, RecipientBoxShowsTheQuickListInReverseWithoutPrefixesOfEarlierNames)
{
    // The registry's enumeration order is the list's order; under this system it is by name.
    ASSERT_EQ(RegistryValueNames("QuickList"), (std::vector<std::string>{"ALICE", "BOB", "BOBBY", "CAROL"}));
    HWND dialog = Open(kNew);
    ASSERT_NE(dialog, nullptr);
    // BOB came before BOBBY, so both are shown; nothing earlier begins with a later name.
    EXPECT_EQ(ComboItems(GetDlgItem(dialog, kRecipient)),
              (std::vector<std::string>{"CAROL", "BOBBY", "BOB", "ALICE"}));
    Close(dialog);
}

TEST_F(SendDialog, TypingCompletesAndTheCaptionFollows)
{
    HWND dialog = Open(kNew);
    ASSERT_NE(dialog, nullptr);
    HWND edit = RecipientEdit(dialog);
    ASSERT_NE(edit, nullptr);
    Type(edit, "ca");
    EXPECT_EQ(ControlText(dialog, kRecipient), "CAROL");
    EXPECT_EQ(WindowCaption(dialog), "Sending message - CAROL");
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 2u);
    EXPECT_EQ(end, 5u);
    // Deleting the highlighted rest does not complete again.
    SendMessageA(edit, WM_CHAR, VK_BACK, 0);
    EXPECT_EQ(ControlText(dialog, kRecipient), "CA");
    EXPECT_EQ(WindowCaption(dialog), "Sending message - CA");
    Type(edit, "x");
    EXPECT_EQ(ControlText(dialog, kRecipient), "CAx"); // nothing begins so
    Close(dialog);
}

TEST_F(SendDialog, EmptyRecipientOrTextSendsNothingAndShowsABalloon)
{
    HWND dialog = Open(kNew);
    ASSERT_NE(dialog, nullptr);
    PressButton(dialog, kSend);
    HWND balloon = WaitFor([&] { return FindWindowExA(nullptr, nullptr, "tooltips_class32", nullptr) ; }, 3000);
    auto visibleBalloon = [&] {
        for (HWND w = FindWindowExA(nullptr, nullptr, "tooltips_class32", nullptr); w;
             w = FindWindowExA(nullptr, w, "tooltips_class32", nullptr))
            if (IsWindowVisible(w) && GetWindow(w, GW_OWNER) == dialog) return true;
        return false;
    };
    EXPECT_NE(balloon, nullptr);
    EXPECT_TRUE(WaitUntil(visibleBalloon, 2000));
    EXPECT_TRUE(WaitUntil([&] { return !visibleBalloon(); }, 4000)); // gone after two seconds
    SetText(dialog, kRecipient, "CAROL");
    PressButton(dialog, kSend);
    EXPECT_TRUE(WaitUntil(visibleBalloon, 2000));
    // Nothing went out: the status bar never said "Sending message..." and no report came.
    EXPECT_EQ(FindBox("Sending message", 500), nullptr);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, kSend)));
    Close(dialog);
}

TEST_F(SendDialog, RefusedInAutoReplyMode)
{
    PostMessageA(main, WM_COMMAND, kAutoReply, 0);
    HWND set = FindBox("Set Auto-Reply message");
    ASSERT_NE(set, nullptr);
    SendMessageA(GetDlgItem(set, 1301), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Away"));
    PressButton(set, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(set); }, 5000));
    HWND dialog = Open(kNew);
    ASSERT_NE(dialog, nullptr);
    SetText(dialog, kRecipient, "CAROL");
    SetText(dialog, kText, "hello");
    PressButton(dialog, kSend);
    HWND box = FindBox("Sending message");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(MessageBoxText(box).find("You cannot send messages in Auto-Reply mode."), std::string::npos);
    PressButton(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
    Close(dialog);
}

TEST_F(SendDialog, ReplyPutsTheSenderOnTopAndTheFocusInTheText)
{
    ASSERT_TRUE(WritePlainMessage("DAVE", "ME", "question?"));
    ASSERT_TRUE(WaitForHeader("Message from Dave to Me"));
    HWND dialog = Open(kReply);
    ASSERT_NE(dialog, nullptr);
    const std::vector<std::string> items = ComboItems(GetDlgItem(dialog, kRecipient));
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.front(), "Dave");
    EXPECT_EQ(items.size(), 5u);
    EXPECT_EQ(ControlText(dialog, kRecipient), "Dave");
    EXPECT_EQ(WindowCaption(dialog), "Sending message - Dave");
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &gui);
    EXPECT_EQ(gui.hwndFocus, GetDlgItem(dialog, kText));
    Close(dialog);
}

TEST_F(SendDialog, NameHandedOverByALaterStartOpensTopmost)
{
    KivetProcess second;
    ASSERT_TRUE(second.Start(folder, "/e \\\\PC7\\"));
    DWORD code = 1;
    EXPECT_TRUE(second.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);
    HWND dialog = WaitFor([&] { return FindDialog(); }, 10000);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ControlText(dialog, kRecipient), "PC7");
    EXPECT_EQ(WindowCaption(dialog), "Sending message - PC7");
    EXPECT_NE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    Close(dialog);
}

TEST_F(SendDialog, GeometryIsSavedOnCancelAndRestoredNextTime)
{
    HWND dialog = Open(kNew);
    ASSERT_NE(dialog, nullptr);
    RECT first;
    GetWindowRect(dialog, &first);
    // Smaller than the template is refused.
    SetWindowPos(dialog, nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER);
    RECT small;
    GetWindowRect(dialog, &small);
    EXPECT_GE(small.right - small.left, first.right - first.left);
    const int width = first.right - first.left + 120, height = first.bottom - first.top + 80;
    SetWindowPos(dialog, nullptr, 40, 50, width, height, SWP_NOZORDER);
    // The text and the tree stretch with the window.
    RECT text;
    GetWindowRect(GetDlgItem(dialog, kText), &text);
    Close(dialog);
    EXPECT_EQ(ReadRegistryDword("SendDialogWidth"), static_cast<DWORD>(width));
    EXPECT_EQ(ReadRegistryDword("SendDialogHeight"), static_cast<DWORD>(height));
    EXPECT_EQ(ReadRegistryDword("SendDesktopX"), 40u);
    EXPECT_EQ(ReadRegistryDword("SendDesktopY"), 50u);
    dialog = Open(kNew);
    ASSERT_NE(dialog, nullptr);
    RECT again;
    GetWindowRect(dialog, &again);
    EXPECT_EQ(again.left, 40);
    EXPECT_EQ(again.top, 50);
    EXPECT_EQ(again.right - again.left, width);
    EXPECT_EQ(again.bottom - again.top, height);
    RECT textAgain;
    GetWindowRect(GetDlgItem(dialog, kText), &textAgain);
    EXPECT_EQ(textAgain.right - textAgain.left, text.right - text.left);
    EXPECT_EQ(textAgain.bottom - textAgain.top, text.bottom - text.top);
    Close(dialog);
}

// Without a Quick List the start-up look-ups are done at once and the send is not kept waiting.
class SendDialogWithoutQuickList : public SendDialog {
protected:
    void PrepareRegistry() override {}
};

TEST_F(SendDialogWithoutQuickList, MessageToThisComputersOwnNameArrivesInItsMainWindow)
{
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof computer;
    ASSERT_TRUE(GetComputerNameA(computer, &size));
    // The start-up worker has learnt the local names (the log is on with "/l").
    ASSERT_TRUE(WaitUntil(
        [&] {
            return ReadTextFile(folder + "\\kivetsec.log").find("Retrieving computer names on the network complete.") !=
                   std::string::npos;
        },
        30000));
    HWND dialog = Open(kNew);
    ASSERT_NE(dialog, nullptr);
    SetText(dialog, kRecipient, computer);
    SetText(dialog, kText, "typed in the dialog");
    PressButton(dialog, kSend);
    // The sending thread reports the delivery in a box owned by the dialog.
    HWND box = FindBox("Sending message", 30000);
    ASSERT_NE(box, nullptr);
    PressButton(box, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return ControlText(main, kMainMessageText) == "typed in the dialog"; }, 10000));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(dialog, kSend)) != FALSE; }, 5000));
    if (IsWindow(dialog)) Close(dialog);
}

} // namespace
} // namespace kivet::wine

namespace kivet::wine {
namespace {

constexpr WORD kFirstQuickAnswer = 501;

void WriteAnswer(const std::string& answer)
{
    HKEY key;
    const std::string path = std::string(kProgramKey) + "\\Answers";
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, answer.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
    RegCloseKey(key);
}

class QuickAnswers : public SendDialog {
protected:
    void PrepareRegistry() override { WriteAnswer("Back at two"); }
};

TEST_F(QuickAnswers, OpensTheDialogAddressedToTheSenderWithTheAnswer)
{
    ASSERT_TRUE(WritePlainMessage("ERIN", "ME", "lunch?"));
    ASSERT_TRUE(WaitForHeader("Message from Erin to Me"));
    HWND dialog = Open(kFirstQuickAnswer);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ControlText(dialog, kRecipient), "Erin");
    EXPECT_EQ(ControlText(dialog, kText), "Back at two");
    Close(dialog);
}

class SilentQuickAnswers : public QuickAnswers {
protected:
    std::string IniSettings() const override { return "MovetoTrayAtStartup=0\r\n[QUICK ANSWERS]\r\nSilentAnswers=1\r\n"; }
};

TEST_F(SilentQuickAnswers, SenderNobodyAnswersForGetsTheNotFoundBoxAndNoDialog)
{
    ASSERT_TRUE(WritePlainMessage("NOBODY-HERE", "ME", "ping"));
    ASSERT_TRUE(WaitForHeader("Message from Nobody-here to Me"));
    PostMessageA(main, WM_COMMAND, kFirstQuickAnswer, 0);
    HWND box = FindBox("Sending message", 60000);
    ASSERT_NE(box, nullptr);
    EXPECT_NE(MessageBoxText(box).find("Name Nobody-here has not been found on the network."), std::string::npos);
    EXPECT_EQ(FindDialog(), nullptr);
    PressButton(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
}

} // namespace
} // namespace kivet::wine
