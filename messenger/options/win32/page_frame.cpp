#include "messenger/options/win32/page_frame.h"

#include <commctrl.h>
#include <prsht.h>

#include "messenger/options/option_boxes.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/help_viewer.h"
#include "messenger/resources/resource.h"

namespace kivet {
namespace {

PageSlot* SlotOf(HWND page)
{
    return reinterpret_cast<PageSlot*>(GetWindowLongPtrA(page, DWLP_USER));
}

void TickBoxes(HWND page, const PageSlot& slot)
{
    for (const OptionBox& box : BoxesOf(slot.page))
        CheckDlgButton(page, box.control, slot.sheet->changes.Ticked(box.control) ? BST_CHECKED : BST_UNCHECKED);
}

BOOL Page_OnInitDialog(HWND page, const PROPSHEETPAGEA* sheetPage)
{
    PageSlot* slot = reinterpret_cast<PageSlot*>(sheetPage->lParam);
    SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<LONG_PTR>(slot));
    slot->sheet->pages[PageIndex(slot->page)] = page;
    SetControlTexts(page, PageTexts(slot->page));
    TickBoxes(page, *slot);
    if (slot->handlers->onInit) slot->handlers->onInit(page, *slot->sheet);
    UpdatePageEnables(page);
    return TRUE;
}

void Page_OnCommand(HWND page, int control, int code)
{
    PageSlot* slot = SlotOf(page);
    if (!slot) return;
    if (code == BN_CLICKED && FindOptionBox(control)) {
        slot->sheet->changes.Click(control, IsDlgButtonChecked(page, control) == BST_CHECKED);
        UpdatePageEnables(page);
    }
    if (slot->handlers->onCommand) slot->handlers->onCommand(page, *slot->sheet, control, code);
}

// OK: the page's boxes that wait for it, then its own fields.
void Page_OnApply(HWND page, PageSlot& slot)
{
    slot.sheet->changes.ConfirmPage(slot.page);
    if (slot.handlers->onApply) slot.handlers->onApply(page, *slot.sheet);
    slot.sheet->confirmed = true;
    SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
}

BOOL Page_OnNotify(HWND page, const NMHDR* header)
{
    PageSlot* slot = SlotOf(page);
    if (!slot) return FALSE;
    switch (header->code) {
    case PSN_APPLY: Page_OnApply(page, *slot); return TRUE;
    case PSN_HELP: ShowCurrentPageHelp(GetParent(page)); return TRUE;
    }
    return FALSE;
}

BOOL Page_OnHelp(HWND page)
{
    ShowCurrentPageHelp(GetParent(page));
    return TRUE;
}

void Page_OnDestroy(HWND page)
{
    PageSlot* slot = SlotOf(page);
    if (slot) slot->sheet->pages[PageIndex(slot->page)] = nullptr;
}

void RetextTabs(HWND sheet)
{
    HWND tabs = PropSheet_GetTabControl(sheet);
    for (std::size_t i = 0; i < kOptionsPageCount; ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(Text(PageInfoAt(i).titleId));
        TabCtrl_SetItem(tabs, static_cast<int>(i), &item);
    }
}

} // namespace

INT_PTR CALLBACK OptionsPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: return Page_OnInitDialog(page, reinterpret_cast<const PROPSHEETPAGEA*>(lParam));
    case WM_COMMAND: Page_OnCommand(page, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_NOTIFY: return Page_OnNotify(page, reinterpret_cast<const NMHDR*>(lParam));
    case WM_HELP: return Page_OnHelp(page);
    case WM_DESTROY: Page_OnDestroy(page); return FALSE;
    }
    return FALSE;
}

void SetControlTexts(HWND dialog, const std::vector<ControlText>& texts)
{
    for (const ControlText& t : texts) {
        if (t.control == kCaptionControl)
            SetWindowTextA(dialog, Text(t.stringId));
        else
            SetDlgItemTextA(dialog, t.control, Text(t.stringId));
    }
}

void ShowCurrentPageHelp(HWND sheet)
{
    if (PageSlot* slot = SlotOf(PropSheet_GetCurrentPageHwnd(sheet))) ShowHelpTopic(PageInfo(slot->page).helpTopic);
}

OptionsPage PageOfWindow(HWND page)
{
    PageSlot* slot = SlotOf(page);
    return slot ? slot->page : OptionsPage::Settings;
}

void UpdatePageEnables(HWND page)
{
    PageSlot* slot = SlotOf(page);
    if (!slot) return;
    for (const OptionBox& box : BoxesOf(slot->page))
        for (int control : ControlsEnabledBy(box.control))
            EnableWindow(GetDlgItem(page, control), slot->sheet->changes.Enabled(slot->page, control));
    if (slot->handlers->onEnables) slot->handlers->onEnables(page, *slot->sheet);
}

void RetextSheet(HWND page)
{
    PageSlot* slot = SlotOf(page);
    if (!slot) return;
    HWND sheet = GetParent(page);
    SetWindowTextA(sheet, Text(IDS_OPTIONS_CAPTION));
    RetextTabs(sheet);
    for (std::size_t i = 0; i < kOptionsPageCount; ++i)
        if (HWND created = slot->sheet->pages[i]) SetControlTexts(created, PageTexts(PageInfoAt(i).page));
}

} // namespace kivet
