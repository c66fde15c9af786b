// The Options sheet driven from outside: options_host.exe opens it over the real registry and
// INI file of a folder of its own, and each test works the pages as a user would.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>
#include <shlobj.h>

#include <map>

#include "messenger/resources/resource.h"
#include "messenger/runtime/settings.h"
#include "tests/wine/options/options_driver.h"

namespace kivet {
namespace {

using namespace wine;

const char kPackCaption[] = "[ Language Pack loading ]";

class OptionsSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetProgramRegistry();
        folder = FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_TRUE(CopyInto(BinFolder() + "options_host.exe", folder, "options_host.exe"));
        ASSERT_TRUE(CopyInto(BinFolder() + "stand-ins\\hh.exe", folder, "hh.exe"));
        ASSERT_TRUE(CopyInto(BinFolder() + "stand-ins\\control.exe", folder, "control.exe"));
    }
    void TearDown() override { ResetProgramRegistry(); }

    void Open(const std::string& command = "")
    {
        ASSERT_TRUE(host.Start(folder, "options_host.exe", command));
        sheet = WaitFor([&] { return FindDialog(host.Id(), "Options"); });
        ASSERT_NE(sheet, nullptr) << "the sheet did not open";
    }
    void CloseWith(int button)
    {
        PressButton(sheet, button);
        ASSERT_TRUE(host.WaitExit(15000)) << "the sheet did not close";
    }

    HWND Page() { return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }
    HWND Tabs() { return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0)); }
    int CurrentTab() { return static_cast<int>(SendMessageA(Tabs(), TCM_GETCURSEL, 0, 0)); }
    void ShowPage(int index) { SendMessageA(sheet, PSM_SETCURSEL, index, 0); }
    HWND Item(int id) { return GetDlgItem(Page(), id); }
    std::string TextOf(int id) { return WindowText(Item(id)); }
    // A click that opens nothing is sent and done; one that opens a dialog is posted.
    void Click(int id) { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    void ClickLater(int id) { PostMessageA(Item(id), BM_CLICK, 0, 0); }
    bool Ticked(int id) { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool Enabled(int id) { return IsWindowEnabled(Item(id)) != FALSE; }

    HWND WaitForDialog(const std::string& caption)
    {
        return WaitFor([&] { return FindDialog(host.Id(), caption); });
    }
    // Types a name into the "Add to list" dialog and confirms it.
    void AnswerAddToList(const std::string& name)
    {
        HWND dialog = WaitForDialog("Add to list");
        ASSERT_NE(dialog, nullptr);
        SendMessageA(GetDlgItem(dialog, IDC_ADD_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        PressButton(dialog, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    }

    std::string TabTitle(int index)
    {
        RemoteMemory memory(host.Handle(), sizeof(TCITEMA) + 128);
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = static_cast<char*>(memory.Address()) + sizeof(TCITEMA);
        item.cchTextMax = 128;
        char text[128] = {};
        if (!memory.Write(&item, sizeof item) || !memory.Write(text, sizeof text, sizeof item)) return "<no memory>";
        if (!SendMessageA(Tabs(), TCM_GETITEMA, index, reinterpret_cast<LPARAM>(memory.Address()))) return "<none>";
        memory.Read(text, sizeof text, sizeof item);
        return text;
    }

    std::string Ini(const char* section, const char* key) { return IniValue(IniPathIn(folder), section, key); }
    std::map<std::string, std::string> AllIniKeys()
    {
        std::map<std::string, std::string> keys;
        for (std::size_t i = 0; i < kIniKeyCount; ++i)
            keys[kIniKeys[i].key] = Ini(kIniKeys[i].section, kIniKeys[i].key);
        return keys;
    }
    std::string Result() { return ReadTextFile(folder + "options_result.txt"); }
    std::string LastCall(const std::string& program)
    {
        std::string calls = folder + program + "_calls.txt";
        WaitUntil([&] { return !ReadTextFile(calls).empty(); }, 10000);
        std::string all = ReadTextFile(calls);
        DeleteFileA(calls.c_str());
        return all.substr(0, all.find('\n'));
    }

    std::string folder;
    HostProcess host;
    HWND sheet = nullptr;
};

TEST_F(OptionsSheet, TenTabsInOrderFromTheSettingsPageWithHelpAndNoApply)
{
    Open();
    EXPECT_EQ(WindowText(sheet), "Options");
    ASSERT_EQ(SendMessageA(Tabs(), TCM_GETITEMCOUNT, 0, 0), 10);
    const char* titles[] = {"Settings",      "Messaging", "Network Groups", "Quick List", "Ignore List",
                            "Quick Answers", "My Groups", "Auto-Replies",   "History",    "Transfer"};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(TabTitle(i), titles[i]) << i;
    EXPECT_EQ(CurrentTab(), 0);
    EXPECT_EQ(TextOf(IDC_OPT_ALWAYS_ON_TOP), "Show always on &top") << "texts come from the string table";
    EXPECT_EQ(TextOf(IDC_OPT_USE_SERVER),
              "&Use Kivet Relay Server to receive Network Groups list and send/receive offline messages");
    HWND help = GetDlgItem(sheet, IDHELP);
    EXPECT_TRUE(help && IsWindowVisible(help)) << "Help on every page";
    HWND apply = GetDlgItem(sheet, 0x3021);
    EXPECT_FALSE(apply && IsWindowVisible(apply)) << "no Apply button";
    CloseWith(IDCANCEL);
    EXPECT_EQ(Result(), "confirmed=0\nchanged=0\nreapply=1\n");
}

TEST_F(OptionsSheet, TheDropDownsAddNewOpenQuickAnswersAndAutoReplies)
{
    Open("500");
    EXPECT_EQ(CurrentTab(), 5);
    EXPECT_EQ(TextOf(IDC_OPT_SILENT_ANSWERS), "&Silently send Quick Answers");
    CloseWith(IDCANCEL);
    EXPECT_EQ(Result(), "confirmed=0\nchanged=0\nreapply=0\n") << "nothing changed: nothing to re-apply";

    Open("600");
    EXPECT_EQ(CurrentTab(), 7);
    EXPECT_EQ(TextOf(IDC_OPT_REPLY_EDIT), "&Edit...");
    CloseWith(IDCANCEL);
}

TEST_F(OptionsSheet, OkWritesExactlyTheToggledKeys)
{
    Open();
    CloseWith(IDOK); // an INI file with every key at its default
    std::map<std::string, std::string> before = AllIniKeys();
    ASSERT_EQ(before["AlwaysOnTop"], "0");

    Open();
    Click(IDC_OPT_ALWAYS_ON_TOP);
    ShowPage(1);
    Click(IDC_OPT_SCROLL_LOCK);
    Click(IDC_OPT_NOTIFY_SENDING);
    ShowPage(4);
    Click(IDC_OPT_IGNORE_WORKGROUP);
    CloseWith(IDOK);

    std::map<std::string, std::string> expected = before;
    expected["AlwaysOnTop"] = "1";
    expected["ScrollLock"] = "1";
    expected["NotifyForMsgSending"] = "0";
    expected["IgnorWorkgroup"] = "1";
    EXPECT_EQ(AllIniKeys(), expected);
    EXPECT_EQ(Result(), "confirmed=1\nchanged=1\nreapply=1\n");
}

TEST_F(OptionsSheet, CancelKeepsListChangesAndImmediateBoxesAndStillWritesTheIniFile)
{
    ASSERT_EQ(GetFileAttributesA(IniPathIn(folder).c_str()), INVALID_FILE_ATTRIBUTES);
    Open("600");
    ShowPage(0);
    Click(IDC_OPT_AUTO_SCAN);     // at once
    Click(IDC_OPT_ALWAYS_ON_TOP); // on OK only
    ShowPage(3);
    ClickLater(IDC_OPT_LIST_ADD);
    AnswerAddToList("alice");
    ShowPage(4);
    Click(IDC_OPT_ENABLE_IGNORE); // at once
    CloseWith(IDCANCEL);

    EXPECT_EQ(Ini("GENERAL", "AutoScan"), "1");
    EXPECT_EQ(Ini("IGNORE LIST", "ActiveIgnorList"), "1");
    EXPECT_EQ(Ini("GENERAL", "AlwaysOnTop"), "0");
    EXPECT_EQ(Ini("GENERAL", "UseHotkey"), "1") << "the rest of the file is written too";
    EXPECT_EQ(ProgramValueNames("QuickList"), std::vector<std::string>{"ALICE"});
    EXPECT_EQ(Result(), "confirmed=0\nchanged=1\nreapply=1\n")
        << "opened from a drop-down, the immediate boxes still call for re-applying";
}

TEST_F(OptionsSheet, TheRelayServerNeedsANameToStayOn)
{
    Open();
    EXPECT_FALSE(Enabled(IDC_OPT_SERVER_NAME));
    Click(IDC_OPT_USE_SERVER);
    EXPECT_TRUE(Enabled(IDC_OPT_SERVER_NAME));
    EXPECT_EQ(TextOf(IDC_OPT_SERVER_NAME), "");
    CloseWith(IDOK);
    EXPECT_EQ(Ini("GENERAL", "UseServer"), "0");
    EXPECT_EQ(ProgramValue("", "Server"), "<missing>");

    Open();
    Click(IDC_OPT_USE_SERVER);
    SendMessageA(Item(IDC_OPT_SERVER_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("RELAYHOST"));
    CloseWith(IDOK);
    EXPECT_EQ(Ini("GENERAL", "UseServer"), "1");
    EXPECT_EQ(ProgramValue("", "Server"), "RELAYHOST");
}

TEST_F(OptionsSheet, AnOddScanIntervalShowsFifteenMinutesAndNoLetterShowsB)
{
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Ostrel\\Kivet Secure Messenger", &key), ERROR_SUCCESS);
    DWORD minutes = 25;
    RegSetValueExA(key, "ScanDelay", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&minutes), sizeof minutes);
    RegCloseKey(key);

    Open();
    EXPECT_EQ(TextOf(IDC_OPT_SCAN_INTERVAL), "15 minutes");
    EXPECT_EQ(TextOf(IDC_OPT_HOTKEY_LETTER), "B");
    EXPECT_FALSE(Enabled(IDC_OPT_SCAN_INTERVAL)) << "AutoScan is off";
    EXPECT_TRUE(Enabled(IDC_OPT_HOTKEY_LETTER)) << "UseHotkey is on";
    CloseWith(IDOK);
    EXPECT_EQ(ProgramValue("", "ScanDelay"), "15");
    EXPECT_EQ(ProgramValue("", "GeneralHotKey"), "B");
}

TEST_F(OptionsSheet, HelpAndF1OpenThePagesTopic)
{
    Open();
    PressButton(sheet, IDHELP);
    EXPECT_EQ(LastCall("hh"), "hh.exe \"" + folder + "kivetsec.chm::/html/kive6rvw.htm\"");
    ShowPage(9);
    PressButton(sheet, IDHELP);
    EXPECT_EQ(LastCall("hh"), "hh.exe \"" + folder + "kivetsec.chm::/html/kive8b31.htm\"");
    ShowPage(6);
    // F1 pressed on the keyboard, with the sheet in front; the focus is still on a control of the
    // Settings page, which the sheet no longer shows.
    SetForegroundWindow(sheet);
    WaitUntil([&] { return GetForegroundWindow() == sheet; }, 3000);
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_F1;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    EXPECT_EQ(LastCall("hh"), "hh.exe \"" + folder + "kivetsec.chm::/html/kive7z76.htm\"");
    // F1 while the tabs have the focus reaches the sheet itself.
    ShowPage(2);
    PostMessageA(Tabs(), 0x004D /* WM_KEYF1 */, 0, 0);
    EXPECT_EQ(LastCall("hh"), "hh.exe \"" + folder + "kivetsec.chm::/html/kive1i9c.htm\"");
    CloseWith(IDCANCEL);
}

TEST_F(OptionsSheet, ChoosingAPackSwitchesTheTextsAtOnce)
{
    ASSERT_TRUE(CopyInto(BinFolder() + "good_pack.dll", folder, "russian.lng"));
    Open();
    ClickLater(IDC_OPT_LANG_RUSSIAN);
    HWND description = WaitForDialog("Description");
    ASSERT_NE(description, nullptr) << "the pack describes itself";
    PressButton(description, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return TextOf(IDC_OPT_ALWAYS_ON_TOP) == "Immer im &Vordergrund"; }));
    EXPECT_EQ(WindowText(sheet), "Optionen");
    EXPECT_EQ(TabTitle(0), "Einstellungen");
    EXPECT_EQ(TabTitle(3), "Schnellliste");
    EXPECT_EQ(TextOf(IDC_OPT_GENERAL_GROUP), "Allgemein");
    EXPECT_TRUE(Ticked(IDC_OPT_LANG_RUSSIAN));
    CloseWith(IDOK);
    EXPECT_EQ(Ini("LANGUAGE", "Language"), "1");
    EXPECT_EQ(Result(), "confirmed=1\nchanged=1\nreapply=1\n");
}

TEST_F(OptionsSheet, AMissingPackShowsTheLoadingErrorAndChecksEnglishAgain)
{
    Open("500");
    ShowPage(0);
    ClickLater(IDC_OPT_LANG_RUSSIAN);
    HWND box = WaitForDialog(kPackCaption);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(StaticTexts(box),
              "Cannot load the Language Pack.\nMake sure that it is located in Kivet Secure Messenger work directory.");
    PressButton(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return Ticked(IDC_OPT_LANG_ENGLISH); }));
    EXPECT_FALSE(Ticked(IDC_OPT_LANG_RUSSIAN));
    EXPECT_EQ(TextOf(IDC_OPT_ALWAYS_ON_TOP), "Show always on &top");
    CloseWith(IDOK);
    EXPECT_EQ(Ini("LANGUAGE", "Language"), "0");
}

TEST_F(OptionsSheet, MyGroupsAreCreatedWithTheirMembersAtOnce)
{
    Open();
    ShowPage(6);
    EXPECT_FALSE(Enabled(IDC_OPT_GROUP_DELETE));
    EXPECT_FALSE(Enabled(IDC_OPT_MEMBER_ADD));
    ClickLater(IDC_OPT_GROUP_CREATE);
    AnswerAddToList("friends of mine");
    ASSERT_TRUE(WaitUntil([&] { return Enabled(IDC_OPT_MEMBER_ADD); }));
    ClickLater(IDC_OPT_MEMBER_ADD);
    AnswerAddToList("bob");
    ClickLater(IDC_OPT_MEMBER_ADD);
    AnswerAddToList("carol");
    ASSERT_TRUE(WaitUntil([&] { return ProgramValueNames("MyGroups\\FRIENDS").size() == 2; }));
    Click(IDC_OPT_MEMBER_DELETE); // the first member is selected
    EXPECT_EQ(ProgramValueNames("MyGroups\\FRIENDS"), std::vector<std::string>{"CAROL"});
    CloseWith(IDCANCEL);
    EXPECT_EQ(ProgramValueNames("MyGroups\\FRIENDS"), std::vector<std::string>{"CAROL"});
}

TEST_F(OptionsSheet, AutoRepliesAreCreatedAndEditedNeverOverwritten)
{
    Open("600");
    ClickLater(IDC_OPT_REPLY_ADD);
    const char editorCaption[] = "Create/Edit Auto-Reply message";
    HWND editor = WaitForDialog(editorCaption);
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(editor, IDOK))) << "no description yet";
    SendMessageA(GetDlgItem(editor, IDC_EDIT_REPLY_DESCRIPTION), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Lunch"));
    SendMessageA(GetDlgItem(editor, IDC_EDIT_REPLY_MESSAGE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Back at two."));
    PressButton(editor, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor); }));
    EXPECT_EQ(ProgramValue("AutoReplies", "Lunch"), "Back at two.");
    EXPECT_EQ(TextOf(IDC_OPT_REPLY_DESCRIPTION), "Lunch");
    EXPECT_EQ(TextOf(IDC_OPT_REPLY_MESSAGE), "Back at two.");

    ClickLater(IDC_OPT_REPLY_EDIT);
    editor = WaitForDialog(editorCaption);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(editor, IDC_EDIT_REPLY_DESCRIPTION)), "Lunch");
    SendMessageA(GetDlgItem(editor, IDC_EDIT_REPLY_MESSAGE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Back at three."));
    PressButton(editor, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor); }));
    EXPECT_EQ(ProgramValue("AutoReplies", "Lunch"), "Back at three.");

    // A second record under a description already taken is refused and the dialog stays.
    ClickLater(IDC_OPT_REPLY_ADD);
    editor = WaitForDialog(editorCaption);
    ASSERT_NE(editor, nullptr);
    SendMessageA(GetDlgItem(editor, IDC_EDIT_REPLY_DESCRIPTION), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("LUNCH"));
    SendMessageA(GetDlgItem(editor, IDC_EDIT_REPLY_MESSAGE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Gone."));
    PressButton(editor, IDOK);
    Sleep(500);
    EXPECT_TRUE(IsWindow(editor));
    PressButton(editor, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor); }));
    EXPECT_EQ(ProgramValue("AutoReplies", "Lunch"), "Back at three.");
    CloseWith(IDCANCEL);
}

TEST_F(OptionsSheet, ClearCurrentHistoryAsksFirst)
{
    Open();
    ShowPage(8);
    const char question[] = "Do you want to clear history, that contains all the sent and received messages?";
    ClickLater(IDC_OPT_CLEAR_HISTORY);
    HWND box = WaitForDialog("Kivet Secure Messenger");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(StaticTexts(box), question);
    PressButton(box, IDNO);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(ReadTextFile(folder + "history_cleared.txt"), "");

    ClickLater(IDC_OPT_CLEAR_HISTORY);
    box = WaitForDialog("Kivet Secure Messenger");
    ASSERT_NE(box, nullptr);
    PressButton(box, IDYES);
    ASSERT_TRUE(WaitUntil([&] { return ReadTextFile(folder + "history_cleared.txt") == "cleared\n"; }));

    Click(IDC_OPT_LOG_HISTORY); // off, at once
    EXPECT_FALSE(Enabled(IDC_OPT_CLEAR_HISTORY));
    EXPECT_FALSE(Enabled(IDC_OPT_OVERWRITE));
    CloseWith(IDCANCEL);
    EXPECT_EQ(Ini("HISTORY", "LogHistory"), "0");
}

// (The folder is made at the top of drive C: Wine's folder browser cannot be sent to a folder
// inside the profile's Temp folder.)
TEST_F(OptionsSheet, TheChosenTransferFolderIsWrittenAtOnce)
{
    const std::string inbox = "C:\\KivetOptionsInbox";
    RemoveDirectoryA(inbox.c_str());
    ASSERT_TRUE(CreateDirectoryA(inbox.c_str(), nullptr));
    Open();
    ShowPage(9);
    EXPECT_EQ(TextOf(IDC_OPT_FOLDER), "");
    ClickLater(IDC_OPT_BROWSE_FOLDER);
    HWND browser = WaitForDialog("Browse for Folder");
    ASSERT_NE(browser, nullptr) << "the folder browser did not open";
    EXPECT_NE(StaticTexts(browser).find("Please, choose a folder where you want to save received files."),
              std::string::npos);
    RemoteMemory path(host.Handle(), MAX_PATH);
    ASSERT_TRUE(path.Write(inbox.c_str(), inbox.size() + 1));
    SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path.Address()));
    PressButton(browser, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return ProgramValue("Transfer", "SaveFolder") == inbox; }))
        << ProgramValue("Transfer", "SaveFolder");
    EXPECT_EQ(TextOf(IDC_OPT_FOLDER), inbox);
    CloseWith(IDCANCEL);
    EXPECT_EQ(ProgramValue("Transfer", "SaveFolder"), inbox) << "kept whatever closes the sheet";
    RemoveDirectoryA(inbox.c_str());
}

TEST_F(OptionsSheet, TheSoundsButtonOpensTheControlPanelWhileTheSoundIsOn)
{
    Open();
    ShowPage(1);
    EXPECT_TRUE(Enabled(IDC_OPT_SOUNDS));
    Click(IDC_OPT_SOUNDS);
    EXPECT_EQ(LastCall("control"), "Control.exe mmsys.cpl");
    Click(IDC_OPT_PLAY_SOUND);
    EXPECT_FALSE(Enabled(IDC_OPT_SOUNDS));
    CloseWith(IDCANCEL);
    EXPECT_EQ(Ini("RECEIVING", "PlaySoundOnReceive"), "0") << "takes effect at once";
}

TEST_F(OptionsSheet, TheIgnoreListsControlsFollowItsBoxAndDeleteNeedsAnEntry)
{
    Open();
    ShowPage(4);
    EXPECT_FALSE(Enabled(IDC_OPT_LIST_ADD));
    Click(IDC_OPT_ENABLE_IGNORE);
    EXPECT_TRUE(Enabled(IDC_OPT_LIST_ADD));
    EXPECT_FALSE(Enabled(IDC_OPT_LIST_DELETE)) << "the list is empty";
    ClickLater(IDC_OPT_LIST_ADD);
    AnswerAddToList("spammer  ");
    ASSERT_TRUE(WaitUntil([&] { return Enabled(IDC_OPT_LIST_DELETE); }));
    EXPECT_EQ(ProgramValueNames("IgnoreList"), std::vector<std::string>{"SPAMMER"});
    ShowPage(3);
    EXPECT_TRUE(Enabled(IDC_OPT_LIST_ADD)) << "the Quick List does not follow the Ignore List's box";
    EXPECT_FALSE(Enabled(IDC_OPT_LIST_DELETE));
    ShowPage(4);
    Click(IDC_OPT_LIST_DELETE);
    EXPECT_TRUE(ProgramValueNames("IgnoreList").empty());
    EXPECT_FALSE(Enabled(IDC_OPT_LIST_DELETE));
    CloseWith(IDCANCEL);
}

} // namespace
} // namespace kivet
