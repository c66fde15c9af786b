#include "messenger/options/win32/options_sheet.h"

#include <commctrl.h>
#include <prsht.h>

#include "messenger/options/win32/option_pages.h"
#include "messenger/options/win32/sheet_state.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/text_table.h"

namespace kivet {

const PageHandlers& HandlersOf(OptionsPage page)
{
    switch (page) {
    case OptionsPage::Settings: return SettingsPageHandlers();
    case OptionsPage::Messaging: return MessagingPageHandlers();
    case OptionsPage::NetworkGroups:
    case OptionsPage::QuickList:
    case OptionsPage::IgnoreList:
    case OptionsPage::QuickAnswers: return NameListPageHandlers();
    case OptionsPage::MyGroups: return MyGroupsPageHandlers();
    case OptionsPage::AutoReplies: return AutoRepliesPageHandlers();
    case OptionsPage::History: return HistoryPageHandlers();
    case OptionsPage::Transfer: return TransferPageHandlers();
    }
    return SettingsPageHandlers();
}

namespace {

// The templates, the icon and the English strings are the program's own resources.
HINSTANCE ProgramModule()
{
    return GetModuleHandleA(nullptr);
}

const char kSheetProcProperty[] = "KivetOptionsSheetProc";

// The sheet itself answers F1 while the focus is on its tabs or buttons.
LRESULT CALLBACK SheetProc(HWND sheet, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(sheet, kSheetProcProperty));
    switch (msg) {
    case WM_HELP: ShowCurrentPageHelp(sheet); return TRUE;
    case WM_NCDESTROY:
        SetWindowLongPtrA(sheet, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropA(sheet, kSheetProcProperty);
        break;
    }
    return CallWindowProcA(previous, sheet, msg, wParam, lParam);
}

int CALLBACK SheetCallback(HWND sheet, UINT msg, LPARAM)
{
    if (msg == PSCB_INITIALIZED) {
        LONG_PTR previous = SetWindowLongPtrA(sheet, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SheetProc));
        SetPropA(sheet, kSheetProcProperty, reinterpret_cast<HANDLE>(previous));
    }
    return 0;
}

PROPSHEETPAGEA MakePage(PageSlot& slot)
{
    const OptionsPageInfo& info = PageInfo(slot.page);
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_USETITLE | PSP_HASHELP;
    page.hInstance = ProgramModule();
    page.pszTemplate = MAKEINTRESOURCEA(info.templateId);
    page.pszTitle = Text(info.titleId);
    page.pfnDlgProc = OptionsPageProc;
    page.lParam = reinterpret_cast<LPARAM>(&slot);
    return page;
}

} // namespace

OptionsResult ShowOptionsSheet(HWND owner, OptionsPage firstPage, OptionsContext& context)
{
    SheetState sheet(context);
    PageSlot slots[kOptionsPageCount];
    PROPSHEETPAGEA pages[kOptionsPageCount];
    for (std::size_t i = 0; i < kOptionsPageCount; ++i) {
        OptionsPage page = PageInfoAt(i).page;
        slots[i] = PageSlot{&sheet, page, &HandlersOf(page)};
        pages[i] = MakePage(slots[i]);
    }

    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_HASHELP | PSH_USEICONID | PSH_USECALLBACK;
    header.hwndParent = owner;
    header.hInstance = ProgramModule();
    header.pszIcon = MAKEINTRESOURCEA(IDI_OPTIONS);
    header.pszCaption = Text(IDS_OPTIONS_CAPTION);
    header.nPages = kOptionsPageCount;
    header.nStartPage = static_cast<UINT>(PageIndex(firstPage));
    header.ppsp = pages;
    header.pfnCallback = SheetCallback;
    PropertySheetA(&header);

    SaveIniSettings(context.ini, context.settings);
    return {sheet.confirmed, sheet.changes.RecordChanged() || sheet.storedValuesChanged};
}

} // namespace kivet
