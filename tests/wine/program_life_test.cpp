// The real kivetsec.exe started and driven from this program: command-line boxes, the action
// log, the single-instance rule, the Network Neighborhood hand-over and the ways it ends.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/wine/driver/kivet_driver.h"

namespace kivet::wine {
namespace {

const char kCaption[] = "Kivet Secure Messenger";
const char kRegistryKey[] = "Software\\Ostrel\\Kivet Secure Messenger";
const char kVerbKey[] = "Network\\Shell\\Message...";

// The start-up worker retrieves the domain list beside the main thread; its lines may come at any
// point of the log.
std::vector<std::string> StartupWorkerLinesRemoved(std::vector<std::string> actions)
{
    const std::string worker[] = {"Retrieving computer names on the network...",
                                  "Retrieving computer names on the network complete."};
    actions.erase(std::remove_if(actions.begin(), actions.end(),
                                 [&](const std::string& a) { return a == worker[0] || a == worker[1]; }),
                  actions.end());
    return actions;
}

class ProgramLife : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(FindFrame(), nullptr) << "an instance is still running from an earlier test";
        ResetProgramRegistry();
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = MakeProgramFolder(info->name());
    }
    void TearDown() override
    {
        if (program.Running() && !ExitProgram(program)) program.Kill();
        WaitUntil([] { return FindFrame() == nullptr; }, 5000);
    }
    void WriteIni(const std::string& text) { WriteTextFile(folder + "\\" + LogonName() + ".ini", text); }
    std::string Log() { return ReadTextFile(folder + "\\kivetsec.log"); }

    // Waits for a box of the program, checks its text and presses OK.
    void ExpectBoxAndPressOk(const std::string& caption, const std::string& text)
    {
        HWND box = WaitFor([&] { return FindMessageBox(program.Id(), caption); });
        ASSERT_NE(box, nullptr) << "no box captioned " << caption;
        EXPECT_EQ(MessageBoxText(box), text);
        PressButton(box, IDOK);
    }

    std::string folder;
    KivetProcess program;
};

TEST_F(ProgramLife, UnknownKeyShowsTheIncorrectParameterBoxAndEnds)
{
    ASSERT_TRUE(program.Start(folder, "/x"));
    ExpectBoxAndPressOk(kCaption, "Inorrect command line parameter.\nTo show all supported command line parameters "
                                  "run kivetsec.exe with the '/h' or '/?' keys.");
    DWORD code = 1;
    ASSERT_TRUE(program.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(FindFrame(), nullptr);
}

TEST_F(ProgramLife, SendWithoutTextShowsNotEnoughParameters)
{
    ASSERT_TRUE(program.Start(folder, "/s PC1"));
    ExpectBoxAndPressOk(kCaption, "Not enough parameters!\nType 'kivetsec.exe /?' to show all supported command "
                                  "line parameters.");
    DWORD code = 1;
    ASSERT_TRUE(program.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);
}

TEST_F(ProgramLife, HelpBoxThenTheProgramStarts)
{
    ASSERT_TRUE(program.Start(folder, "/?"));
    ExpectBoxAndPressOk(kCaption,
                        "The command line format is: kivetsec.exe [/key] [parameter1 parameter2 ...]\n\nCommand line "
                        "keys are:\n'/s name text'\t\t- send message on specified computer name or workgroup\n'/?' "
                        "or '/h'\t- show command line format window (this window)");
    EXPECT_NE(WaitFor(FindMainDialog), nullptr);
}

TEST_F(ProgramLife, SendModeEndsWithoutAWindow)
{
    ASSERT_TRUE(program.Start(folder, "/S pc1,pc2 hello there"));
    DWORD code = 1;
    // Each name is looked for on the network first, which takes its seconds when nobody answers.
    ASSERT_TRUE(program.WaitExit(60000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(FindFrame(), nullptr);
}

TEST_F(ProgramLife, LogKeyWritesTheHeaderAndTheStartUpSteps)
{
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, "/l"));
    std::string log = Log();
    EXPECT_EQ(log.rfind(std::string(55, '=') + "\r\nKivet Secure Messenger log file\r\nLog started at ", 0), 0u);
    const std::vector<std::string> expected = {
        "Enumerating network adapters...",
        "Enumerating complete.",
        "RichEdit library initialization...",
        "RichEdit library initialization complete.",
        "Registry initialization...",
        "Registry initialization complete.",
        "INI file initialization...",
        "INI file initialization complete.",
        "Graphic initialization...",
        "Graphic initialization complete.",
        "Loading Hotkey...",
        "Loading Hotkey complete.",
        "Create Kivet window.",
        "Create mailbox....",
        "Create mailbox complete.",
        "Create Group maiboxes...",
        "Create Group maiboxes complete.",
    };
    // Under Wine the program first chooses its own NetBIOS and says where it runs.
    std::vector<std::string> actions = StartupWorkerLinesRemoved(LogActions(log));
    ASSERT_GE(actions.size(), 2u);
    EXPECT_EQ(actions[0], "Using the program's own NetBIOS over TCP/IP (running under Wine)");
    EXPECT_EQ(actions[1].rfind("NetBIOS over TCP/IP", 0), 0u) << actions[1];
    actions.erase(actions.begin(), actions.begin() + 2);
    EXPECT_EQ(actions, expected);
}

TEST_F(ProgramLife, WithoutTheLogKeyNoLogIsWritten)
{
    WriteTextFile(folder + "\\kivetsec.log", "old");
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, ""));
    ASSERT_TRUE(ExitProgram(program));
    EXPECT_EQ(Log(), "old");
}

TEST_F(ProgramLife, SecondPlainStartRestoresTheFirstAndLeaves)
{
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, ""));
    HWND main = FindMainDialog();
    EXPECT_FALSE(IsWindowVisible(main)) << "starts hidden in the tray by default";

    KivetProcess second;
    ASSERT_TRUE(second.Start(folder, ""));
    DWORD code = 1;
    ASSERT_TRUE(second.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(FindFrames().size(), 1u);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, 5000));
}

TEST_F(ProgramLife, HandOverStoresTheComputerAndReachesTheRunningInstance)
{
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, "/l"));
    for (const char* path : {"\\\\PC7", "\\\\PC7\\"}) {
        SCOPED_TRACE(path);
        std::size_t before = LogActions(Log()).size();
        KivetProcess second;
        ASSERT_TRUE(second.Start(folder, std::string("/e ") + path));
        DWORD code = 1;
        ASSERT_TRUE(second.WaitExit(10000, &code));
        EXPECT_EQ(code, 0u);
        EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, kRegistryKey, "ContextMenu"), "PC7");
        // The hand-over is posted, and the start-up worker may still be writing its own lines.
        EXPECT_TRUE(WaitUntil(
            [&] {
                std::vector<std::string> actions = LogActions(Log());
                return std::find(actions.begin() + static_cast<std::ptrdiff_t>(std::min(before, actions.size())),
                                 actions.end(), "Open sending message dialog.") != actions.end();
            },
            5000));
        // The running instance's send dialog is open for the computer; it is closed for the next round.
        HWND dialog = WaitFor([&] { return FindMessageBox(program.Id(), "Sending message - PC7"); });
        ASSERT_NE(dialog, nullptr);
        PressButton(dialog, IDCANCEL);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 5000));
    }
    EXPECT_EQ(FindFrames().size(), 1u);
}

TEST_F(ProgramLife, HandOverWithoutARunningInstanceStoresTheName)
{
    ASSERT_TRUE(program.Start(folder, "/e \\\\SERVER2\\public"));
    DWORD code = 1;
    ASSERT_TRUE(program.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, kRegistryKey, "ContextMenu"), "SERVER2");
}

TEST_F(ProgramLife, ExitAnsweredNoKeepsItRunning)
{
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, ""));
    PostMessageA(FindMainDialog(), WM_COMMAND, 105, 0);
    HWND box = WaitFor([&] { return FindMessageBox(program.Id(), "Closing Kivet Secure Messenger"); });
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "When you close Kivet Secure Messenger you will not be able to send and receive "
                                   "messages and files on the network. Do you wish to quit anyway?");
    PressButton(box, IDNO);
    EXPECT_FALSE(program.WaitExit(1500));
    EXPECT_NE(FindMainDialog(), nullptr);
}

TEST_F(ProgramLife, ExitAnsweredYesRunsTheShutdownInOrder)
{
    WriteIni("[SENDING]\r\nActivateContextMenu=1\r\n");
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, "/l"));
    EXPECT_TRUE(RegistryKeyExists(HKEY_CLASSES_ROOT, std::string(kVerbKey) + "\\Command"));
    std::size_t before = StartupWorkerLinesRemoved(LogActions(Log())).size();

    ASSERT_TRUE(ExitProgram(program));
    DWORD code = 1;
    program.WaitExit(0, &code);
    EXPECT_EQ(code, 0u);

    std::vector<std::string> actions = StartupWorkerLinesRemoved(LogActions(Log()));
    const std::vector<std::string> expected = {
        "Processing Exit command...",
        "Kill timers...",
        "Kill timers complete.",
        "Terminate threads...",
        "Terminate threads complete.",
        "Release GDI resources...",
        "Release GDI resources complete.",
        "Save preferences to INI file...",
        "Save preferences to INI file complete.",
        "Exit process.",
    };
    EXPECT_EQ(std::vector<std::string>(actions.begin() + before, actions.end()), expected);
    EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, kVerbKey));
}

TEST_F(ProgramLife, IniWrittenAtExitHoldsEveryKey)
{
    WriteIni("[GENERAL]\r\nAlwaysOnTop=1\r\n");
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, ""));
    ASSERT_TRUE(ExitProgram(program));
    std::string ini = folder + "\\" + LogonName() + ".ini";
    struct Key {
        const char* section;
        const char* key;
        int expected;
    } keys[] = {
        {"GENERAL", "AlwaysOnTop", 1},
        {"GENERAL", "MovetoTrayAtStartup", 1},
        {"GENERAL", "RunAtStartup", 1},
        {"GENERAL", "AutoScan", 0},
        {"GENERAL", "UseServer", 0},
        {"GENERAL", "UseHotkey", 1},
        {"RECEIVING", "ShowAsInactive", 0},
        {"RECEIVING", "PopupOnReceive", 0},
        {"RECEIVING", "HideIfLastMsgDeleted", 1},
        {"RECEIVING", "JumpToLastMsg", 0},
        {"RECEIVING", "PlaySoundOnReceive", 1},
        {"RECEIVING", "PCSpeakerBeep", 0},
        {"RECEIVING", "ScrollLock", 0},
        {"SENDING", "CloseWindowAfterSending", 0},
        {"SENDING", "AddUser", 0},
        {"SENDING", "ActivateContextMenu", 0},
        {"SENDING", "UseComputerName", 0},
        {"SENDING", "NotifyForMsgSending", 1},
        {"LANGUAGE", "Language", 0},
        {"NETWORK GROUPS", "UseBroadcast", 1},
        {"IGNORE LIST", "ActiveIgnorList", 0},
        {"IGNORE LIST", "IgnorWorkgroup", 0},
        {"QUICK ANSWERS", "SilentAnswers", 0},
        {"HISTORY", "LogHistory", 1},
        {"HISTORY", "OverwriteAtStartup", 0},
        {"TRANSFER", "AcceptFiles", 1},
    };
    for (const Key& k : keys) {
        char value[16] = {};
        GetPrivateProfileStringA(k.section, k.key, "missing", value, sizeof value, ini.c_str());
        EXPECT_EQ(std::string(value), std::to_string(k.expected)) << k.section << "/" << k.key;
    }
    // The start also brought the shell integration in line with the settings.
    EXPECT_NE(ReadRegistryString(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                                 "Kivet Secure Messenger"),
              "<missing>");
    EXPECT_NE(ReadRegistryString(HKEY_CURRENT_USER, kRegistryKey, "Location"), "<missing>");
}

TEST_F(ProgramLife, ClosingTheWindowHidesItAndKeepsRunning)
{
    WriteIni("[GENERAL]\r\nMovetoTrayAtStartup=0\r\n");
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, ""));
    HWND main = FindMainDialog();
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
    SendMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_TRUE(program.Running());
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kRegistryKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD width = 0, size = sizeof width;
    EXPECT_EQ(RegQueryValueExA(key, "MainDialogWidth", nullptr, nullptr, reinterpret_cast<BYTE*>(&width), &size),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_GT(width, 100u);
}

TEST_F(ProgramLife, TrayClickAndHotkeyBringTheWindowBackAndForth)
{
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, ""));
    HWND main = FindMainDialog();
    ASSERT_FALSE(IsWindowVisible(main));
    SendMessageA(main, 1037, 107, WM_LBUTTONDOWN); // left click on the tray icon
    EXPECT_TRUE(IsWindowVisible(main));
    SendMessageA(main, WM_HOTKEY, 900, 0);
    EXPECT_FALSE(IsWindowVisible(main));
    SendMessageA(main, WM_HOTKEY, 900, 0);
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_FALSE(IsIconic(main));
}

TEST_F(ProgramLife, EscapeKeyHidesTheWindowThroughTheAcceleratorTable)
{
    WriteIni("[GENERAL]\r\nMovetoTrayAtStartup=0\r\n");
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, ""));
    HWND main = FindMainDialog();
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
    PostMessageA(main, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) == FALSE; }, 5000));
    EXPECT_TRUE(program.Running());
}

TEST_F(ProgramLife, HotkeyIsRegisteredOnlyWhileTheSettingIsOn)
{
    // A fresh installation takes no key: Ctrl+Alt+B stays free for other programs (AltGr+B on many
    // keyboard layouts).
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, ""));
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'B'));
    UnregisterHotKey(nullptr, 1);
    ASSERT_TRUE(ExitProgram(program));

    // A chosen letter belongs to the program while it runs.
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Ostrel\\Kivet Secure Messenger", 0, nullptr, 0,
                              KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "GeneralHotKey", 0, REG_SZ, reinterpret_cast<const BYTE*>("K"), 2);
    RegCloseKey(key);
    KivetProcess second;
    ASSERT_TRUE(StartAndWaitForMainWindow(second, folder, "/l"));
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'K'));
    ASSERT_TRUE(ExitProgram(second));
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'K'));
    UnregisterHotKey(nullptr, 1);
    const std::vector<std::string> actions = LogActions(Log());
    EXPECT_NE(std::find(actions.begin(), actions.end(), "Register Hotkey (main window)..."), actions.end());

    WriteIni("[GENERAL]\r\nUseHotkey=0\r\n");
    KivetProcess third;
    ASSERT_TRUE(StartAndWaitForMainWindow(third, folder, ""));
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'K'));
    UnregisterHotKey(nullptr, 1);
    EXPECT_TRUE(ExitProgram(third));
}

TEST_F(ProgramLife, SecondExitWhileTheQuestionIsOpenAsksNothingMore)
{
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, ""));
    HWND main = FindMainDialog();
    PostMessageA(main, WM_COMMAND, 105, 0);
    HWND box = WaitFor([&] { return FindMessageBox(program.Id(), "Closing Kivet Secure Messenger"); });
    ASSERT_NE(box, nullptr);
    PostMessageA(main, WM_COMMAND, 32777, 0); // the tray menu's Exit
    Sleep(500);
    PressButton(box, IDNO);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
    Sleep(500);
    EXPECT_EQ(FindMessageBox(program.Id(), "Closing Kivet Secure Messenger"), nullptr);
    EXPECT_TRUE(program.Running());
}

TEST_F(ProgramLife, RefusedSessionEndChangesNothing)
{
    WriteIni("[SENDING]\r\nActivateContextMenu=1\r\n");
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, "/l"));
    std::size_t before = LogActions(Log()).size();
    SendMessageA(FindMainDialog(), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(LogActions(Log()).size(), before);
    EXPECT_TRUE(RegistryKeyExists(HKEY_CLASSES_ROOT, kVerbKey));
}

TEST_F(ProgramLife, SessionEndRunsTheShutdownWithoutQuestions)
{
    WriteIni("[SENDING]\r\nActivateContextMenu=1\r\n");
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, "/l"));
    SendMessageA(FindMainDialog(), WM_ENDSESSION, TRUE, 0);
    std::vector<std::string> actions = LogActions(Log());
    ASSERT_FALSE(actions.empty());
    EXPECT_EQ(actions.back(), "Exit process.");
    EXPECT_EQ(std::count(actions.begin(), actions.end(), "Processing Exit command..."), 0);
    EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, kVerbKey));
    EXPECT_EQ(FindMessageBox(program.Id(), "Closing Kivet Secure Messenger"), nullptr);
    program.Kill(); // Windows ends the process after the session; here the test does
}

TEST_F(ProgramLife, AskedToCloseFromOutsideItShutsDownInOrder)
{
    WriteIni("[SENDING]\r\nActivateContextMenu=1\r\n");
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, "/l"));
    PostMessageA(FindFrame(), WM_CLOSE, 0, 0); // what End Task sends to the hidden window
    ASSERT_TRUE(program.WaitExit(15000));
    std::vector<std::string> actions = LogActions(Log());
    ASSERT_FALSE(actions.empty());
    EXPECT_EQ(actions.back(), "Exit process.");
    EXPECT_NE(std::find(actions.begin(), actions.end(), "Save preferences to INI file..."), actions.end());
    EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, kVerbKey));
}

} // namespace
} // namespace kivet::wine
