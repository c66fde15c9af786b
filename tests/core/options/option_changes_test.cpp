#include "messenger/options/option_changes.h"

#include <gtest/gtest.h>

#include "messenger/resources/resource.h"

namespace kivet {
namespace {

// The boxes that change the settings at once, so that Cancel does not undo them.
const int kAtOnce[] = {IDC_OPT_AUTO_SCAN, IDC_OPT_USE_SERVER,    IDC_OPT_USE_HOTKEY,  IDC_OPT_POPUP,
                       IDC_OPT_PLAY_SOUND, IDC_OPT_ENABLE_IGNORE, IDC_OPT_LOG_HISTORY, IDC_OPT_ACCEPT_FILES};

bool TakesAtOnce(int control)
{
    for (int c : kAtOnce)
        if (c == control) return true;
    return false;
}

TEST(OptionChanges, TheImmediateBoxesChangeTheRecordWhenClickedTheOthersWaitForOk)
{
    for (const OptionBox& box : OptionBoxes()) {
        SCOPED_TRACE(box.control);
        Settings record;
        int32_t before = record.*box.field;
        OptionChanges changes(record);
        changes.Click(box.control, before == 0);
        EXPECT_EQ(changes.Ticked(box.control), before == 0);
        if (TakesAtOnce(box.control)) {
            EXPECT_EQ(record.*box.field, before == 0 ? 1 : 0) << "changes at once";
        } else {
            EXPECT_EQ(record.*box.field, before) << "waits for OK";
        }
    }
}

TEST(OptionChanges, CancelKeepsOnlyTheImmediateClicks)
{
    Settings record;
    {
        OptionChanges changes(record);
        changes.Click(IDC_OPT_ALWAYS_ON_TOP, true);     // waits for OK
        changes.Click(IDC_OPT_AUTO_SCAN, true);         // at once
        changes.Click(IDC_OPT_PC_SPEAKER, true);        // waits for OK
        changes.Click(IDC_OPT_ENABLE_IGNORE, true);     // at once
        changes.SetOverwriteAtStartup(true);            // at once
        // the sheet is cancelled: no page is confirmed
    }
    EXPECT_EQ(record.AlwaysOnTop, 0);
    EXPECT_EQ(record.PCSpeakerBeep, 0);
    EXPECT_EQ(record.AutoScan, 1);
    EXPECT_EQ(record.ActiveIgnorList, 1);
    EXPECT_EQ(record.OverwriteAtStartup, 1);
}

TEST(OptionChanges, OkCopiesThePagesOwnBoxesOnly)
{
    Settings record;
    OptionChanges changes(record);
    changes.Click(IDC_OPT_ALWAYS_ON_TOP, true);      // Settings page
    changes.Click(IDC_OPT_SCROLL_LOCK, true);        // Messaging page
    changes.Click(IDC_OPT_IGNORE_WORKGROUP, true);   // Ignore List page
    changes.ConfirmPage(OptionsPage::Messaging);
    EXPECT_EQ(record.ScrollLock, 1);
    EXPECT_EQ(record.AlwaysOnTop, 0);
    changes.ConfirmPage(OptionsPage::Settings);
    changes.ConfirmPage(OptionsPage::IgnoreList);
    EXPECT_EQ(record.AlwaysOnTop, 1);
    EXPECT_EQ(record.IgnorWorkgroup, 1);
}

TEST(OptionChanges, BoxesEnableTheirControlsOnlyWhileTicked)
{
    Settings record;
    record.AutoScan = 0;
    record.UseHotkey = 1;
    record.LogHistory = 1;
    OptionChanges changes(record);
    EXPECT_FALSE(changes.Enabled(OptionsPage::Settings, IDC_OPT_SCAN_INTERVAL));
    EXPECT_TRUE(changes.Enabled(OptionsPage::Settings, IDC_OPT_HOTKEY_LETTER));
    EXPECT_TRUE(changes.Enabled(OptionsPage::History, IDC_OPT_CLEAR_HISTORY));
    changes.Click(IDC_OPT_AUTO_SCAN, true);
    changes.Click(IDC_OPT_USE_HOTKEY, false);
    changes.Click(IDC_OPT_LOG_HISTORY, false);
    EXPECT_TRUE(changes.Enabled(OptionsPage::Settings, IDC_OPT_SCAN_INTERVAL));
    EXPECT_FALSE(changes.Enabled(OptionsPage::Settings, IDC_OPT_HOTKEY_LABEL));
    EXPECT_FALSE(changes.Enabled(OptionsPage::Settings, IDC_OPT_HOTKEY_LETTER));
    EXPECT_FALSE(changes.Enabled(OptionsPage::History, IDC_OPT_OVERWRITE));
    EXPECT_FALSE(changes.Enabled(OptionsPage::History, IDC_OPT_APPEND));
    EXPECT_FALSE(changes.Enabled(OptionsPage::History, IDC_OPT_CLEAR_HISTORY));
    EXPECT_TRUE(changes.Enabled(OptionsPage::Settings, IDC_OPT_ALWAYS_ON_TOP)) << "a control no box governs";
}

TEST(OptionChanges, TheIgnoreListBoxGovernsTheListControlsOfItsOwnPageOnly)
{
    Settings record;
    record.ActiveIgnorList = 0;
    OptionChanges changes(record);
    for (int control : {IDC_OPT_LIST, IDC_OPT_LIST_ADD, IDC_OPT_LIST_DELETE}) {
        EXPECT_FALSE(changes.Enabled(OptionsPage::IgnoreList, control)) << control;
        EXPECT_TRUE(changes.Enabled(OptionsPage::QuickList, control)) << control;
        EXPECT_TRUE(changes.Enabled(OptionsPage::NetworkGroups, control)) << control;
    }
    changes.Click(IDC_OPT_ENABLE_IGNORE, true);
    EXPECT_TRUE(changes.Enabled(OptionsPage::IgnoreList, IDC_OPT_LIST_DELETE));
}

TEST(OptionChanges, AShownButUnconfirmedBoxStillGovernsItsControls)
{
    Settings record;
    OptionChanges changes(record);
    changes.Click(IDC_OPT_POPUP, true); // at once
    EXPECT_TRUE(changes.Enabled(OptionsPage::Messaging, IDC_OPT_SHOW_INACTIVE));
    changes.Click(IDC_OPT_POPUP, false);
    EXPECT_FALSE(changes.Enabled(OptionsPage::Messaging, IDC_OPT_SHOW_INACTIVE));
}

TEST(OptionChanges, RecordChangedTellsWhetherAnythingReachedTheRecord)
{
    Settings record;
    OptionChanges changes(record);
    changes.Click(IDC_OPT_ALWAYS_ON_TOP, true);
    EXPECT_FALSE(changes.RecordChanged()) << "not confirmed";
    changes.Click(IDC_OPT_USE_HOTKEY, false);
    EXPECT_TRUE(changes.RecordChanged());
    changes.Click(IDC_OPT_USE_HOTKEY, true);
    EXPECT_FALSE(changes.RecordChanged()) << "back as it was";
    changes.SetLanguage(1);
    EXPECT_TRUE(changes.RecordChanged());
}

} // namespace
} // namespace kivet
