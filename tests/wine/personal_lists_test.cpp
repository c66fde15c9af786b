// Auto-Reply mode and the personal lists of the real program, driven through its main window
// while a second program writes messages into its mailslot.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include <string>

#include "tests/wine/driver/main_window_session.h"

namespace kivet::wine {
namespace {

const char kProgramKey[] = "Software\\Ostrel\\Kivet Secure Messenger";
constexpr WORD kAutoReply = 32832, kTrayAutoReply = 32833, kFirstAutoReply = 601;
constexpr WORD kAddQuickList = 32841, kAddIgnoreList = 32842, kEnableIgnoreList = 32814;
constexpr int kAutoReplyText = 1301, kChoose = 1302;
constexpr UINT kNormalIcon = 335, kAutoReplyIcon = 338;

void WriteRegistryString(const std::string& key, const std::string& name, const std::string& data)
{
    HKEY k;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(k, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
    RegCloseKey(k);
}

bool RegistryValueExists(const std::string& key, const std::string& name)
{
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    bool found = RegQueryValueExA(k, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(k);
    return found;
}

// Types into an edit control the way the keyboard does, so that it reports its changes.
void Type(HWND edit, const std::string& text)
{
    for (char c : text)
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
}

class PersonalLists : public MainWindowSession {
protected:
    // Every alert a user can switch on, so that Auto-Reply mode has something to keep quiet.
    std::string IniSettings() const override
    {
        return "MovetoTrayAtStartup=0\r\nPopupOnReceive=1\r\nPCSpeakerBeep=1\r\nScrollLock=1\r\n";
    }

    HWND OpenSetDialog(WORD command)
    {
        PostMessageA(main, WM_COMMAND, command, 0);
        return WaitFor([&] { return FindMessageBox(program.Id(), "Set Auto-Reply message"); });
    }
    void Confirm(HWND dialog)
    {
        PressButton(dialog, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 5000));
    }
    void Cancel(HWND dialog)
    {
        PressButton(dialog, IDCANCEL);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 5000));
    }
    // Runs an Add command on the current message and returns the confirmation it showed ("" for none).
    std::string AddCurrentSender(WORD command)
    {
        EXPECT_TRUE(WaitUntil([&] { return MenuEnabled(command, false); }, 5000));
        PostMessageA(main, WM_COMMAND, command, 0);
        HWND box = WaitFor([&] { return FindMessageBox(program.Id(), "Quick adding"); }, 3000);
        if (!box) return std::string();
        std::string text = MessageBoxText(box);
        PressButton(box, IDOK);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
        return text;
    }
    bool WaitForTooltip(const std::string& tip)
    {
        return WaitUntil([&] { return TrayTooltip(main) == tip; }, 10000);
    }
    bool TrayAnimates()
    {
        return WaitUntil(
            [&] {
                UINT icon = TrayIconShown(main);
                return icon == 334 || icon == 336 || icon == 337;
            },
            5000);
    }
    bool InAutoReplyMode()
    {
        return Caption() == "Kivet Secure Messenger - Auto-Reply mode" && MenuChecked(kAutoReply, false) &&
               MenuChecked(kTrayAutoReply, true);
    }
};

TEST_F(PersonalLists, AutoReplyModeKeepsArrivalsQuietButCountsThem)
{
    HWND set = OpenSetDialog(kAutoReply);
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(MessageBoxText(set),
              "Type your Auto-Reply message here or click Choose... button to select one from your Auto-Replies list.");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(set, IDOK))) << "no text yet";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(set, kChoose))) << "no Auto-Replies stored";
    EXPECT_EQ(SendMessageA(GetDlgItem(set, kAutoReplyText), EM_GETLIMITTEXT, 0, 0), 255) << "the box takes 255";
    Type(GetDlgItem(set, kAutoReplyText), "Out until 3");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(set, IDOK)));
    Confirm(set);

    // The dialog closes before the program switches; the tray tooltip changes last.
    ASSERT_TRUE(WaitForTooltip("0 Messages, 0 New (Auto-Reply mode)"));
    EXPECT_TRUE(InAutoReplyMode());
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, kProgramKey, "CurrentAutoAnswer"), "Out until 3");
    EXPECT_EQ(TrayIconShown(main), kAutoReplyIcon);

    SendMessageA(main, WM_CLOSE, 0, 0); // to the tray; a pop-up would show it again
    ASSERT_TRUE(WritePlainMessage("ALICE", "Bob", "are you there?"));
    ASSERT_TRUE(WaitForTooltip("1 Messages, 1 New (Auto-Reply mode)"));
    for (int tick = 0; tick < 8; ++tick) { // two animation cycles
        EXPECT_EQ(TrayIconShown(main), kAutoReplyIcon);
        Sleep(125);
    }
    EXPECT_FALSE(IsWindowVisible(main)) << "no pop-up in Auto-Reply mode";

    Command(kAutoReply); // leaves the mode
    EXPECT_EQ(Caption(), "Kivet Secure Messenger");
    EXPECT_FALSE(MenuChecked(kAutoReply, false));
    EXPECT_FALSE(MenuChecked(kTrayAutoReply, true));
    EXPECT_EQ(TrayTooltip(main), "1 Messages, 1 New");
    EXPECT_TRUE(TrayAnimates()) << "the message that came while away is announced now";
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, kProgramKey, "CurrentAutoAnswer"), "Out until 3")
        << "the text is kept for next time";
}

class StoredAutoReplies : public PersonalLists {
protected:
    void PrepareRegistry() override
    {
        WriteRegistryString(kProgramKey, "CurrentAutoAnswer", "In a meeting");
        WriteRegistryString(std::string(kProgramKey) + "\\AutoReplies", "Lunch", "At lunch, back at 2");
    }
};

TEST_F(StoredAutoReplies, CancellingTheSetDialogLeavesTheModeOff)
{
    HWND set = OpenSetDialog(kTrayAutoReply);
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(ControlText(set, kAutoReplyText), "In a meeting") << "starts with the current text";
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(set, kChoose)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(set, IDOK)));
    Cancel(set);
    ASSERT_TRUE(WaitForTooltip("0 Messages, 0 New"));
    EXPECT_EQ(Caption(), "Kivet Secure Messenger");
    EXPECT_FALSE(MenuChecked(kAutoReply, false));
    EXPECT_EQ(TrayIconShown(main), kNormalIcon);
}

TEST_F(StoredAutoReplies, AnAutoReplyFromTheDropDownBecomesTheText)
{
    HWND set = OpenSetDialog(kFirstAutoReply);
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(ControlText(set, kAutoReplyText), "At lunch, back at 2");
    Confirm(set);
    ASSERT_TRUE(WaitUntil([&] { return InAutoReplyMode(); }, 5000));
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, kProgramKey, "CurrentAutoAnswer"), "At lunch, back at 2");
    // The choice is logged as a step of its own, around the dialog it opened; its last line follows
    // the switch.
    EXPECT_TRUE(WaitUntil(
        [&] {
            const std::vector<std::string> actions = LogActions(ReadTextFile(folder + "\\kivetsec.log"));
            auto start = std::find(actions.begin(), actions.end(), "Processing Auto Replies menu...");
            return start != actions.end() &&
                   std::find(start, actions.end(), "Processing Auto Replies menu complete.") != actions.end();
        },
        5000));
}

TEST_F(PersonalLists, AddingTheSenderToQuickListHappensOnce)
{
    ASSERT_TRUE(WritePlainMessage("ALICE SMITH", "Bob", "hello"));
    ASSERT_TRUE(WaitForHeader("Message from Alice smith to Bob"));
    EXPECT_EQ(AddCurrentSender(kAddQuickList), "The name Alice has been added to Quick List.")
        << "cut at the first blank";
    EXPECT_TRUE(RegistryValueExists(std::string(kProgramKey) + "\\QuickList", "Alice"));
    EXPECT_EQ(AddCurrentSender(kAddQuickList), "") << "a name already in the list is not added or reported again";
}

TEST_F(PersonalLists, AnIgnoredSenderIsNoLongerStored)
{
    ASSERT_TRUE(WritePlainMessage("ALICE", "Bob", "first"));
    ASSERT_TRUE(WaitForHeader("Message from Alice to Bob"));
    ASSERT_EQ(AddCurrentSender(kAddIgnoreList), "The name Alice has been added to Ignore List.");
    Command(kEnableIgnoreList);
    ASSERT_TRUE(MenuChecked(kEnableIgnoreList, false));

    ASSERT_TRUE(WritePlainMessage("ALICE", "Bob", "ignored"));
    ASSERT_TRUE(WritePlainMessage("CAROL", "Bob", "kept"));
    // Carol's message is read after Alice's; once it is counted, Alice's has been judged.
    EXPECT_TRUE(WaitForTooltip("2 Messages, 1 New"));
}

} // namespace
} // namespace kivet::wine
