// The pages of one simple list (Network Groups, Quick List, Ignore List, Quick Answers): the list,
// "&Add new..." through the "Add to list" dialog in the list's entry form, and "&Delete". Both
// change the list in the registry at once, whatever closes the sheet.
#include "messenger/options/list_pages.h"
#include "messenger/options/win32/add_to_list_dialog.h"
#include "messenger/options/win32/list_box.h"
#include "messenger/options/win32/option_pages.h"
#include "messenger/resources/resource.h"

namespace kivet {
namespace {

NameList& ListOf(HWND page, SheetState& sheet)
{
    return *PageNameList(PageOfWindow(page), sheet.context.lists);
}

void ShowList(HWND page, SheetState& sheet, long selected)
{
    FillListBox(GetDlgItem(page, IDC_OPT_LIST), ListOf(page, sheet).Entries(), selected);
    UpdatePageEnables(page);
}

void NameListPage_OnInit(HWND page, SheetState& sheet)
{
    ShowList(page, sheet, 0);
}

void NameListPage_OnAdd(HWND page, SheetState& sheet)
{
    ListKind form = PageEntryForm(PageOfWindow(page));
    std::optional<std::string> typed = AskListName(page, form);
    if (!typed) return;
    if (AddTypedName(ListOf(page, sheet), form, *typed, sheet.context.codec)) ShowList(page, sheet, 0);
}

void NameListPage_OnDelete(HWND page, SheetState& sheet)
{
    HWND list = GetDlgItem(page, IDC_OPT_LIST);
    long index = SelectedIndex(list);
    if (index < 0) return;
    NameList& names = ListOf(page, sheet);
    names.Delete(SelectedText(list));
    ShowList(page, sheet, SelectionAfterDelete(index, names.Count()));
}

void NameListPage_OnCommand(HWND page, SheetState& sheet, int control, int code)
{
    if (code != BN_CLICKED) return;
    if (control == IDC_OPT_LIST_ADD) NameListPage_OnAdd(page, sheet);
    if (control == IDC_OPT_LIST_DELETE) NameListPage_OnDelete(page, sheet);
}

// "&Delete" only while the list holds an entry (and, on the Ignore List page, while the list is
// enabled, which the box rule has already decided).
void NameListPage_OnEnables(HWND page, SheetState& sheet)
{
    HWND remove = GetDlgItem(page, IDC_OPT_LIST_DELETE);
    bool governed = sheet.changes.Enabled(PageOfWindow(page), IDC_OPT_LIST_DELETE);
    EnableWindow(remove, governed && ListOf(page, sheet).Count() > 0);
}

const PageHandlers kNameListPage = {NameListPage_OnInit, NameListPage_OnCommand, nullptr, NameListPage_OnEnables};

} // namespace

const PageHandlers& NameListPageHandlers()
{
    return kNameListPage;
}

} // namespace kivet
