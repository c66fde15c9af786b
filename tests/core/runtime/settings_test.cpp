#include "messenger/runtime/settings.h"

#include <gtest/gtest.h>

#include "tests/fakes/memory_registry.h"

namespace kivet {
namespace {

using testing::MemoryIni;

TEST(SettingsDefaults, NoFileGivesTheDefaults)
{
    MemoryIni ini;
    Settings s;
    s.MovetoTrayAtStartup = 0;
    s.LogHistory = 0;
    s.AlwaysOnTop = 7;
    LoadIniSettings(ini, s);
    EXPECT_EQ(s.MovetoTrayAtStartup, 1);
    EXPECT_EQ(s.LogHistory, 1);
    EXPECT_EQ(s.AlwaysOnTop, 0);
    EXPECT_EQ(s.AcceptFiles, 1);
    EXPECT_EQ(s.UseBroadcast, 1);
    EXPECT_EQ(s.IgnorWorkgroup, 0);
}

TEST(SettingsIni, SaveWritesEverySectionAndKeyAsSpelled)
{
    MemoryIni ini;
    SaveIniSettings(ini, Settings{});
    const std::map<std::string, std::vector<std::string>> expected = {
        {"GENERAL", {"AlwaysOnTop", "AutoScan", "MovetoTrayAtStartup", "RunAtStartup", "UseHotkey", "UseServer"}},
        {"RECEIVING",
         {"HideIfLastMsgDeleted", "JumpToLastMsg", "PCSpeakerBeep", "PlaySoundOnReceive", "PopupOnReceive",
          "ScrollLock", "ShowAsInactive"}},
        {"SENDING",
         {"ActivateContextMenu", "AddUser", "CloseWindowAfterSending", "NotifyForMsgSending", "UseComputerName"}},
        {"LANGUAGE", {"Language"}},
        {"NETWORK GROUPS", {"UseBroadcast"}},
        {"IGNORE LIST", {"ActiveIgnorList", "IgnorWorkgroup"}},
        {"QUICK ANSWERS", {"SilentAnswers"}},
        {"HISTORY", {"LogHistory", "OverwriteAtStartup"}},
        {"TRANSFER", {"AcceptFiles"}},
    };
    ASSERT_EQ(ini.sections.size(), expected.size());
    for (const auto& [section, keys] : expected) {
        SCOPED_TRACE(section);
        std::vector<std::string> got;
        for (const auto& [key, value] : ini.sections[section])
            got.push_back(key);
        EXPECT_EQ(got, keys);
    }
    EXPECT_EQ(ini.sections["GENERAL"]["MovetoTrayAtStartup"], "1");
    EXPECT_EQ(ini.sections["HISTORY"]["OverwriteAtStartup"], "0");
}

TEST(SettingsIni, RoundTripKeepsEveryValue)
{
    MemoryIni ini;
    Settings written;
    int v = 0;
    for (std::size_t i = 0; i < kIniKeyCount; ++i)
        written.*kIniKeys[i].field = (v++ % 5);
    SaveIniSettings(ini, written);
    Settings read;
    LoadIniSettings(ini, read);
    for (std::size_t i = 0; i < kIniKeyCount; ++i) {
        SCOPED_TRACE(kIniKeys[i].key);
        EXPECT_EQ(read.*kIniKeys[i].field, written.*kIniKeys[i].field);
    }
}

TEST(SettingsIni, ValuesAreReadAsAtMostThreeCharacters)
{
    MemoryIni ini;
    ini.sections["LANGUAGE"]["Language"] = "12345";
    ini.sections["GENERAL"]["AlwaysOnTop"] = "yes";
    ini.sections["GENERAL"]["AutoScan"] = "-1";
    Settings s;
    LoadIniSettings(ini, s);
    EXPECT_EQ(s.Language, 123);
    EXPECT_EQ(s.AlwaysOnTop, 0);
    EXPECT_EQ(s.AutoScan, -1);
}

TEST(SettingsFiles, NamedAfterTheLogonName)
{
    EXPECT_EQ(IniFileName("alice"), "alice.ini");
    EXPECT_EQ(IniFileName("bob"), "bob.ini");
    EXPECT_EQ(IniFileName(""), "kivetsec.ini");
}

} // namespace
} // namespace kivet
