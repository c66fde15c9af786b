#include "messenger/options/settings_page_fields.h"

#include <gtest/gtest.h>

#include "messenger/options/hotkey_letters.h"
#include "messenger/options/relay_server_name.h"
#include "messenger/options/scan_intervals.h"
#include "messenger/runtime/registry_settings.h"
#include "tests/fakes/memory_registry.h"

namespace kivet {
namespace {

using testing::MemoryRegistry;

const RegRoot kUser = RegRoot::CurrentUser;

std::string Stored(MemoryRegistry& reg, const char* name)
{
    const MemoryRegistry::Value* v = reg.Find(kUser, kProgramKey, name);
    return v ? v->text : "<missing>";
}

TEST(ScanIntervalList, StoredValuesOutsideTheListShowFifteenMinutesAndSaveFifteen)
{
    EXPECT_STREQ(ScanIntervalAt(ScanIntervalIndex(25)).label, "15 minutes");
    EXPECT_STREQ(ScanIntervalAt(ScanIntervalIndex(0)).label, "15 minutes");
    EXPECT_STREQ(ScanIntervalAt(ScanIntervalIndex(120)).label, "2 hours");
    EXPECT_EQ(ScanIntervalMinutes(-1), 15u) << "no selection";
    EXPECT_EQ(ScanIntervalMinutes(7), 15u);
    EXPECT_EQ(ScanIntervalMinutes(6), 180u);
}

TEST(HotkeyLetterList, ShowsTheStoredLetterOrB)
{
    EXPECT_EQ(HotkeyLetterAt(static_cast<long>(HotkeyLetterIndex(""))), "B");
    EXPECT_EQ(HotkeyLetterAt(static_cast<long>(HotkeyLetterIndex("Q"))), "Q");
    EXPECT_EQ(HotkeyLetterAt(static_cast<long>(HotkeyLetterIndex("q"))), "Q");
    EXPECT_EQ(HotkeyLetterAt(static_cast<long>(HotkeyLetterIndex("Z"))), "Z");
    for (const char* odd : {"1", "[", "@", "QQ", "\xC4"})
        EXPECT_EQ(HotkeyLetterAt(static_cast<long>(HotkeyLetterIndex(odd))), "B") << odd;
    EXPECT_EQ(HotkeyLetterAt(-1), "B");
    EXPECT_EQ(HotkeyLetterAt(26), "B");
}

TEST(RelayServerName, AnEmptyNameSwitchesTheRelayServerOffAndIsNeverStored)
{
    struct Row {
        bool ticked;
        const char* typed;
        bool use;
        bool store;
        const char* name;
    } rows[] = {
        {true, "", false, false, ""},
        {true, "   ", false, false, ""},
        {false, "", false, false, ""},
        {true, "RELAY1", true, true, "RELAY1"},
        {false, "RELAY1", false, true, "RELAY1"},
        {true, " RELAY1 ", true, true, "RELAY1"},
        {true, "ABCDEFGHIJKLMNOPQ", true, true, "ABCDEFGHIJKLMNO"},
    };
    for (const Row& r : rows) {
        RelayServerChoice c = DecideRelayServer(r.ticked, r.typed);
        EXPECT_EQ(c.useServer, r.use) << r.typed;
        EXPECT_EQ(c.storeName, r.store) << r.typed;
        EXPECT_EQ(c.name, r.name) << r.typed;
    }
}

class SettingsFields : public ::testing::Test {
protected:
    MemoryRegistry reg;
    Settings record;
};

TEST_F(SettingsFields, AStoredScanDelayOf25ShowsFifteenMinutesAndIsSavedAs15)
{
    WriteScanDelay(reg, 25);
    SettingsPageFields fields = ReadSettingsPageFields(reg);
    EXPECT_EQ(fields.intervalIndex, 0);
    EXPECT_TRUE(ConfirmSettingsFields(fields, record, reg));
    EXPECT_EQ(ReadScanDelay(reg), 15u);
}

TEST_F(SettingsFields, TheScanDelayIsWrittenInEveryCase)
{
    record.AutoScan = 0;
    SettingsPageFields fields = ReadSettingsPageFields(reg);
    fields.intervalIndex = 4;
    ConfirmSettingsFields(fields, record, reg);
    uint32_t minutes = 0;
    ASSERT_TRUE(reg.GetNumber(kUser, kProgramKey, "ScanDelay", minutes));
    EXPECT_EQ(minutes, 60u);
}

TEST_F(SettingsFields, WithNoStoredLetterThePageShowsBAndStoresItWhenConfirmed)
{
    SettingsPageFields fields = ReadSettingsPageFields(reg);
    EXPECT_EQ(HotkeyLetterAt(fields.letterIndex), "B");
    EXPECT_EQ(Stored(reg, "GeneralHotKey"), "<missing>");
    record.UseHotkey = 1;
    EXPECT_TRUE(ConfirmSettingsFields(fields, record, reg)) << "a letter is stored where none was";
    EXPECT_EQ(Stored(reg, "GeneralHotKey"), "B");
}

TEST_F(SettingsFields, TheLetterIsLeftAloneWhileTheHotkeyIsOff)
{
    WriteGeneralHotKey(reg, "K");
    SettingsPageFields fields = ReadSettingsPageFields(reg);
    EXPECT_EQ(HotkeyLetterAt(fields.letterIndex), "K");
    fields.letterIndex = 2;
    record.UseHotkey = 0;
    ConfirmSettingsFields(fields, record, reg);
    EXPECT_EQ(Stored(reg, "GeneralHotKey"), "K");
    record.UseHotkey = 1;
    EXPECT_TRUE(ConfirmSettingsFields(fields, record, reg));
    EXPECT_EQ(Stored(reg, "GeneralHotKey"), "C");
}

TEST_F(SettingsFields, TickedRelayServerWithAnEmptyNameStaysOffAndStoresNothing)
{
    WriteServer(reg, "OLDRELAY");
    record.UseServer = 1; // ticked on the page: the box takes effect at once
    SettingsPageFields fields = ReadSettingsPageFields(reg);
    EXPECT_EQ(fields.serverName, "OLDRELAY");
    fields.serverName = "";
    ConfirmSettingsFields(fields, record, reg);
    EXPECT_EQ(record.UseServer, 0);
    EXPECT_EQ(Stored(reg, "Server"), "OLDRELAY") << "an empty name is not stored";
}

TEST_F(SettingsFields, ARelayServerNameIsStoredAndReportedAsAChange)
{
    record.UseServer = 1;
    WriteScanDelay(reg, 15);
    SettingsPageFields fields = ReadSettingsPageFields(reg);
    fields.serverName = "RELAY";
    record.UseHotkey = 0;
    EXPECT_TRUE(ConfirmSettingsFields(fields, record, reg));
    EXPECT_EQ(record.UseServer, 1);
    EXPECT_EQ(Stored(reg, "Server"), "RELAY");
    EXPECT_FALSE(ConfirmSettingsFields(fields, record, reg)) << "the same values again change nothing";
}

} // namespace
} // namespace kivet
