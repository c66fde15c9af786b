#include "messenger/runtime/registry_settings.h"

#include <gtest/gtest.h>

#include "tests/fakes/memory_registry.h"

namespace kivet {
namespace {

using testing::MemoryRegistry;
const RegRoot kUser = RegRoot::CurrentUser;
const std::string kProgram = kProgramKey;

TEST(RegistryInit, CreatesKeysAndWritesLocation)
{
    MemoryRegistry reg;
    InitRegistry(reg, "C:\\Kivet\\kivetsec.exe");
    for (const char* sub :
         {"Transfer", "QuickList", "IgnoreList", "NetworkGroups", "Answers", "MyGroups", "AutoReplies"})
        EXPECT_TRUE(reg.KeyExists(kUser, kProgram + "\\" + sub)) << sub;
    std::string location;
    ASSERT_TRUE(reg.GetString(kUser, kProgram, "Location", 260, location));
    EXPECT_EQ(location, "C:\\Kivet\\kivetsec.exe");

    InitRegistry(reg, "D:\\Moved\\kivetsec.exe"); // rewritten at every start
    reg.GetString(kUser, kProgram, "Location", 260, location);
    EXPECT_EQ(location, "D:\\Moved\\kivetsec.exe");
}

TEST(RegistryGeometry, PairsApplyOnlyWhenBothValuesExist)
{
    MemoryRegistry reg;
    InitRegistry(reg, "x");
    WindowPlacement none = LoadMainWindowPlacement(reg);
    EXPECT_FALSE(none.hasPosition);
    EXPECT_FALSE(none.hasSize);

    SaveMainWindowPlacement(reg, -20, 30, 400, 300);
    WindowPlacement p = LoadMainWindowPlacement(reg);
    EXPECT_TRUE(p.hasPosition);
    EXPECT_EQ(p.x, -20);
    EXPECT_EQ(p.y, 30);
    EXPECT_TRUE(p.hasSize);
    EXPECT_EQ(p.width, 400);
    EXPECT_EQ(p.height, 300);

    reg.DeleteValue(kUser, kProgram, "DesktopY");
    reg.DeleteValue(kUser, kProgram, "MainDialogWidth");
    p = LoadMainWindowPlacement(reg);
    EXPECT_FALSE(p.hasPosition);
    EXPECT_FALSE(p.hasSize);

    SaveSendDialogPlacement(reg, 1, 2, 3, 4);
    p = LoadSendDialogPlacement(reg);
    EXPECT_TRUE(p.hasPosition && p.hasSize);
    EXPECT_EQ(p.x + p.y + p.width + p.height, 10);
    EXPECT_FALSE(LoadMainWindowPlacement(reg).hasPosition); // the two windows keep separate values
}

TEST(RegistryDouble, KeysWithSubkeysAreNotDeleted)
{
    // The double must refuse like the system registry, whatever names sort between them.
    MemoryRegistry reg;
    reg.CreateKey(kUser, "K\\A\\Sub");
    reg.CreateKey(kUser, "K\\AB");
    reg.CreateKey(kUser, "K\\A-B");
    EXPECT_FALSE(reg.DeleteKey(kUser, "K\\A"));
    EXPECT_TRUE(reg.DeleteKey(kUser, "K\\a\\sub"));
    EXPECT_TRUE(reg.DeleteKey(kUser, "K\\A"));
    EXPECT_TRUE(reg.KeyExists(kUser, "K\\AB"));
}

TEST(RegistryValues, ContextMenuHoldsNineteenCharacters)
{
    MemoryRegistry reg;
    InitRegistry(reg, "x");
    EXPECT_EQ(ReadContextMenu(reg), "");
    WriteContextMenu(reg, "PC7");
    EXPECT_EQ(ReadContextMenu(reg), "PC7");
    WriteContextMenu(reg, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(ReadContextMenu(reg), "ABCDEFGHIJKLMNOPQRS");
}

TEST(RegistryValues, CurrentAutoAnswerWrittenUnderItsOldSpelling)
{
    MemoryRegistry reg;
    InitRegistry(reg, "x");
    WriteCurrentAutoAnswer(reg, "Out for lunch");
    EXPECT_EQ(reg.StoredName(kUser, kProgram, "CurrentAutoAnswer"), "CurrentAutoanswer");
    EXPECT_EQ(ReadCurrentAutoAnswer(reg), "Out for lunch");
    WriteCurrentAutoAnswer(reg, std::string(300, 'a'));
    EXPECT_EQ(ReadCurrentAutoAnswer(reg).size(), 254u);
}

TEST(RegistryValues, DefaultsForMissingValues)
{
    MemoryRegistry reg;
    InitRegistry(reg, "x");
    EXPECT_EQ(ReadScanDelay(reg), 15u);
    WriteScanDelay(reg, 45);
    EXPECT_EQ(ReadScanDelay(reg), 45u);
    EXPECT_EQ(ReadGeneralHotKey(reg), "B");
    WriteGeneralHotKey(reg, "K");
    EXPECT_EQ(ReadGeneralHotKey(reg), "K");
    EXPECT_EQ(ReadServer(reg), "");
    WriteServer(reg, "RELAYSERVER-LONG-NAME");
    EXPECT_EQ(ReadServer(reg), "RELAYSERVER-LON");
    WriteSaveFolder(reg, "C:\\Received");
    EXPECT_EQ(ReadSaveFolder(reg), "C:\\Received");
    WriteLastHistoryTime(reg, "12:00:00");
    EXPECT_EQ(ReadLastHistoryTime(reg), "12:00:00");
}

TEST(RegistryValues, HotKeyLetterMaskedToSevenBits)
{
    EXPECT_EQ(HotKeyVirtualKey("K"), 0x4Bu);
    EXPECT_EQ(HotKeyVirtualKey("\xCB"), 0x4Bu);
    EXPECT_EQ(HotKeyVirtualKey(""), 0u);
}

// A fresh installation takes no key system-wide (Ctrl+Alt+B is AltGr+B on many layouts); the
// Options page still offers "B" and stores it when confirmed.
TEST(RegistryValues, NoHotkeyUntilALetterIsStored)
{
    MemoryRegistry reg;
    InitRegistry(reg, "x");
    EXPECT_EQ(MainWindowHotKey(true, ReadStoredHotKey(reg)), 0u);
    EXPECT_EQ(ReadGeneralHotKey(reg), "B");
    WriteGeneralHotKey(reg, ReadGeneralHotKey(reg));
    EXPECT_EQ(MainWindowHotKey(true, ReadStoredHotKey(reg)), static_cast<uint32_t>('B'));
    EXPECT_EQ(MainWindowHotKey(false, ReadStoredHotKey(reg)), 0u);
}

TEST(ShellIntegration, RunValueFollowsTheSetting)
{
    MemoryRegistry reg;
    ApplyRunAtStartup(reg, true, "C:\\K\\kivetsec.exe");
    std::string run;
    ASSERT_TRUE(reg.GetString(kUser, kRunKey, "Kivet Secure Messenger", 260, run));
    EXPECT_EQ(run, "\"C:\\K\\kivetsec.exe\"");
    ApplyRunAtStartup(reg, false, "C:\\K\\kivetsec.exe");
    EXPECT_EQ(reg.Find(kUser, kRunKey, "Kivet Secure Messenger"), nullptr);
}

TEST(ShellIntegration, DingIsTheDefaultOnlyWhileTheEventIsUnknown)
{
    MemoryRegistry reg;
    EXPECT_EQ(ApplySoundEvent(reg, true, "C:\\WINDOWS"), "C:\\WINDOWS/Media/Ding.wav");
    std::string display;
    ASSERT_TRUE(reg.GetString(kUser, kSoundEventKey, "", 260, display));
    EXPECT_EQ(display, "Kivet Secure Messenger");

    EXPECT_EQ(ApplySoundEvent(reg, false, "C:\\WINDOWS"), "");
    // Back on: the event exists, so its (now empty) sound stays empty until the user picks one.
    EXPECT_EQ(ApplySoundEvent(reg, true, "C:\\WINDOWS"), "");
    reg.SetString(kUser, kSoundCurrentKey, "", "C:\\chime.wav");
    EXPECT_EQ(ApplySoundEvent(reg, true, "C:\\WINDOWS"), "C:\\chime.wav");
}

TEST(ShellIntegration, ContextMenuVerbCreatedAndRemoved)
{
    MemoryRegistry reg;
    ApplyContextMenuVerb(reg, true, "C:\\K\\kivetsec.exe");
    std::string command;
    ASSERT_TRUE(reg.GetString(RegRoot::ClassesRoot, kVerbCommandKey, "", 260, command));
    EXPECT_EQ(command, "\"C:\\K\\kivetsec.exe\" /e %1");
    RemoveContextMenuVerb(reg);
    EXPECT_FALSE(reg.KeyExists(RegRoot::ClassesRoot, kVerbCommandKey));
    EXPECT_FALSE(reg.KeyExists(RegRoot::ClassesRoot, kVerbKey));
    EXPECT_TRUE(reg.KeyExists(RegRoot::ClassesRoot, "Network\\Shell"));

    ApplyContextMenuVerb(reg, true, "C:\\K\\kivetsec.exe");
    ApplyContextMenuVerb(reg, false, "C:\\K\\kivetsec.exe");
    EXPECT_FALSE(reg.KeyExists(RegRoot::ClassesRoot, kVerbKey));
}

} // namespace
} // namespace kivet
