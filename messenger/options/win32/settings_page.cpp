// The Settings page: the general boxes, the scan interval, the relay server, the hotkey letter
// and the interface language.
#include <windowsx.h>

#include "messenger/options/hotkey_letters.h"
#include "messenger/options/language_buttons.h"
#include "messenger/options/relay_server_name.h"
#include "messenger/options/scan_intervals.h"
#include "messenger/options/settings_page_fields.h"
#include "messenger/options/win32/option_pages.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/language_packs.h"
#include "messenger/runtime/win32/language_pack_loader.h"

namespace kivet {
namespace {

void FillIntervals(HWND page, long selected)
{
    HWND list = GetDlgItem(page, IDC_OPT_SCAN_INTERVAL);
    ComboBox_ResetContent(list);
    for (std::size_t i = 0; i < kScanIntervalCount; ++i)
        ComboBox_AddString(list, ScanIntervalAt(i).label);
    ComboBox_SetCurSel(list, selected);
}

void FillLetters(HWND page, long selected)
{
    HWND list = GetDlgItem(page, IDC_OPT_HOTKEY_LETTER);
    ComboBox_ResetContent(list);
    for (std::size_t i = 0; i < kHotkeyLetterCount; ++i)
        ComboBox_AddString(list, HotkeyLetterAt(static_cast<long>(i)).c_str());
    ComboBox_SetCurSel(list, selected);
}

void CheckLanguage(HWND page, int32_t index)
{
    CheckRadioButton(page, IDC_OPT_LANG_FRENCH, IDC_OPT_LANG_JAPANESE, LanguageButton(index));
}

void SettingsPage_OnInit(HWND page, SheetState& sheet)
{
    SettingsPageFields fields = ReadSettingsPageFields(sheet.context.registry);
    FillIntervals(page, fields.intervalIndex);
    Edit_LimitText(GetDlgItem(page, IDC_OPT_SERVER_NAME), kServerNameChars);
    SetDlgItemTextA(page, IDC_OPT_SERVER_NAME, fields.serverName.c_str());
    FillLetters(page, fields.letterIndex);
    CheckLanguage(page, sheet.changes.Shown().Language);
}

// A language button: the language is stored and its pack loaded at once (the pack shows its own
// description box, owned by the page); a pack that cannot be used brings English back.
void SettingsPage_OnLanguage(HWND page, SheetState& sheet, int32_t index)
{
    if (index == sheet.changes.Shown().Language) return;
    sheet.changes.SetLanguage(index);
    if (!LoadLanguagePack(page, index)) {
        sheet.changes.SetLanguage(0);
        CheckLanguage(page, 0);
    }
    sheet.storedValuesChanged = true;
    RetextSheet(page);
}

void SettingsPage_OnCommand(HWND page, SheetState& sheet, int control, int code)
{
    int32_t language = LanguageOfButton(control);
    if (language >= 0 && code == BN_CLICKED) SettingsPage_OnLanguage(page, sheet, language);
}

std::string ServerNameOf(HWND page)
{
    char name[kServerNameChars + 1] = {};
    GetDlgItemTextA(page, IDC_OPT_SERVER_NAME, name, sizeof name);
    return name;
}

void SettingsPage_OnApply(HWND page, SheetState& sheet)
{
    SettingsPageFields fields;
    fields.intervalIndex = ComboBox_GetCurSel(GetDlgItem(page, IDC_OPT_SCAN_INTERVAL));
    fields.serverName = ServerNameOf(page);
    fields.letterIndex = ComboBox_GetCurSel(GetDlgItem(page, IDC_OPT_HOTKEY_LETTER));
    if (ConfirmSettingsFields(fields, sheet.context.settings, sheet.context.registry))
        sheet.storedValuesChanged = true;
}

const PageHandlers kSettingsPage = {SettingsPage_OnInit, SettingsPage_OnCommand, SettingsPage_OnApply, nullptr};

} // namespace

const PageHandlers& SettingsPageHandlers()
{
    return kSettingsPage;
}

} // namespace kivet
