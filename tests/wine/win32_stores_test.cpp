// The registry, INI file, string table and message box seams on the real Win32 functions.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstring>

#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/settings.h"
#include "messenger/runtime/win32/ini_file_win32.h"
#include "messenger/runtime/win32/registry_store_win32.h"

namespace kivet {
namespace {

const std::string kTestKey = "Software\\KivetStoreTest";

class Win32RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { SHDeleteKeyA(HKEY_CURRENT_USER, kTestKey.c_str()); }
    void TearDown() override { SHDeleteKeyA(HKEY_CURRENT_USER, kTestKey.c_str()); }
    Win32Registry reg;
    const RegRoot user = RegRoot::CurrentUser;
};

TEST_F(Win32RegistryTest, StringsAndNumbersRoundTrip)
{
    ASSERT_TRUE(reg.CreateKey(user, kTestKey + "\\Sub"));
    EXPECT_TRUE(reg.KeyExists(user, kTestKey));
    ASSERT_TRUE(reg.SetString(user, kTestKey, "Name", "value one"));
    ASSERT_TRUE(reg.SetNumber(user, kTestKey, "Width", 0xFFFFFFF6u));
    std::string s;
    uint32_t n = 0;
    ASSERT_TRUE(reg.GetString(user, kTestKey, "NAME", 260, s)); // names match case-insensitively
    EXPECT_EQ(s, "value one");
    ASSERT_TRUE(reg.GetNumber(user, kTestKey, "width", n));
    EXPECT_EQ(static_cast<int32_t>(n), -10);
    EXPECT_FALSE(reg.GetNumber(user, kTestKey, "Name", n)) << "a string is not a number";
    EXPECT_FALSE(reg.GetString(user, kTestKey, "Width", 260, s)) << "a number is not a string";
    EXPECT_FALSE(reg.GetString(user, kTestKey, "Missing", 260, s));
}

TEST_F(Win32RegistryTest, LongValuesAreCutToTheBuffer)
{
    reg.CreateKey(user, kTestKey);
    reg.SetString(user, kTestKey, "Long", std::string(500, 'z'));
    std::string s;
    ASSERT_TRUE(reg.GetString(user, kTestKey, "Long", 20, s));
    EXPECT_EQ(s, std::string(19, 'z'));
}

TEST_F(Win32RegistryTest, DefaultValueAndKeyDeletion)
{
    reg.CreateKey(user, kTestKey + "\\Verb\\Command");
    ASSERT_TRUE(reg.SetString(user, kTestKey + "\\Verb\\Command", "", "prog.exe /e %1"));
    std::string s;
    ASSERT_TRUE(reg.GetString(user, kTestKey + "\\Verb\\Command", "", 260, s));
    EXPECT_EQ(s, "prog.exe /e %1");
    EXPECT_FALSE(reg.DeleteKey(user, kTestKey + "\\Verb")) << "a key with subkeys stays";
    EXPECT_TRUE(reg.DeleteKey(user, kTestKey + "\\Verb\\Command"));
    EXPECT_TRUE(reg.DeleteKey(user, kTestKey + "\\Verb"));
    EXPECT_FALSE(reg.KeyExists(user, kTestKey + "\\Verb"));
    EXPECT_FALSE(reg.DeleteKey(user, kTestKey + "\\Verb"));
}

TEST_F(Win32RegistryTest, ValueNamesListed)
{
    reg.CreateKey(user, kTestKey);
    reg.SetString(user, kTestKey, "PC1", "");
    reg.SetString(user, kTestKey, "PC2", "");
    std::vector<std::string> names = reg.ValueNames(user, kTestKey);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"PC1", "PC2"}));
    EXPECT_TRUE(reg.DeleteValue(user, kTestKey, "pc1"));
    EXPECT_EQ(reg.ValueNames(user, kTestKey).size(), 1u);
}

TEST_F(Win32RegistryTest, ValueNamesPassOverANameTooLongForTheBuffer)
{
    reg.CreateKey(user, kTestKey);
    reg.SetString(user, kTestKey, "A-FIRST", "");
    const std::string longName(300, 'L');
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey.c_str(), 0, KEY_WRITE, &key), ERROR_SUCCESS);
    const char empty[] = "";
    ASSERT_EQ(RegSetValueExA(key, longName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(empty), 1), ERROR_SUCCESS);
    RegCloseKey(key);
    reg.SetString(user, kTestKey, "Z-LAST", "");
    std::vector<std::string> names = reg.ValueNames(user, kTestKey);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"A-FIRST", "Z-LAST"}));
}

TEST_F(Win32RegistryTest, SubkeyNamesListsDirectSubkeysAndAGroupKeyWithValuesDeletes)
{
    EXPECT_TRUE(reg.SubkeyNames(user, kTestKey).empty()) << "a missing key has no subkeys";
    reg.CreateKey(user, kTestKey + "\\Groups\\OFFICE");
    reg.CreateKey(user, kTestKey + "\\Groups\\Team\\Nested");
    reg.SetString(user, kTestKey + "\\Groups", "NotAKey", "");
    reg.SetString(user, kTestKey + "\\Groups\\OFFICE", "JSMITH", "");
    reg.SetString(user, kTestKey + "\\Groups\\OFFICE", "PC-07", "");
    std::vector<std::string> names = reg.SubkeyNames(user, kTestKey + "\\groups");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"OFFICE", "Team"}));

    EXPECT_TRUE(reg.DeleteKey(user, kTestKey + "\\Groups\\OFFICE")) << "a key holding only values is deleted";
    EXPECT_FALSE(reg.KeyExists(user, kTestKey + "\\Groups\\OFFICE"));
    EXPECT_EQ(reg.SubkeyNames(user, kTestKey + "\\Groups"), std::vector<std::string>{"Team"});
}

TEST_F(Win32RegistryTest, AutoAnswerWrittenUnderItsOldSpellingReadsBack)
{
    // The program key itself, as the program uses it.
    Win32Registry program;
    InitRegistry(program, "C:\\K\\kivetsec.exe");
    WriteCurrentAutoAnswer(program, "Back at three");
    EXPECT_EQ(ReadCurrentAutoAnswer(program), "Back at three");
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Ostrel");
}

TEST_F(Win32RegistryTest, ContextMenuVerbUnderTheClassesRoot)
{
    ApplyContextMenuVerb(reg, true, "C:\\K\\kivetsec.exe");
    std::string command;
    ASSERT_TRUE(reg.GetString(RegRoot::ClassesRoot, kVerbCommandKey, "", 260, command));
    EXPECT_EQ(command, "\"C:\\K\\kivetsec.exe\" /e %1");
    RemoveContextMenuVerb(reg);
    EXPECT_FALSE(reg.KeyExists(RegRoot::ClassesRoot, kVerbKey));
}

class ProfileIniTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        path = std::string(temp) + "kivet_ini_test.ini";
        DeleteFileA(path.c_str());
    }
    void TearDown() override { DeleteFileA(path.c_str()); }
    std::string path;
};

TEST_F(ProfileIniTest, MissingKeysTakeDefaultsAndSavedValuesReadBack)
{
    ProfileIniFile ini(path);
    Settings s;
    s.MovetoTrayAtStartup = 0;
    LoadIniSettings(ini, s);
    EXPECT_EQ(s.MovetoTrayAtStartup, 1);

    s.AlwaysOnTop = 1;
    s.Language = 6;
    s.AcceptFiles = 0;
    SaveIniSettings(ini, s);
    Settings read;
    LoadIniSettings(ini, read);
    EXPECT_EQ(read.AlwaysOnTop, 1);
    EXPECT_EQ(read.Language, 6);
    EXPECT_EQ(read.AcceptFiles, 0);
}

TEST_F(ProfileIniTest, PresentEmptyAndOverlongValues)
{
    WritePrivateProfileStringA("LANGUAGE", "Language", "12345", path.c_str());
    WritePrivateProfileStringA("GENERAL", "UseHotkey", "", path.c_str());
    ProfileIniFile ini(path);
    std::string v;
    ASSERT_TRUE(ini.Read("LANGUAGE", "Language", 3, v));
    EXPECT_EQ(v, "123");
    ASSERT_TRUE(ini.Read("GENERAL", "UseHotkey", 3, v));
    EXPECT_EQ(v, "");
    EXPECT_FALSE(ini.Read("GENERAL", "AlwaysOnTop", 3, v));
}

} // namespace
} // namespace kivet
