// The History page: logging on or off, the saving mode (both take effect at once) and
// "&Clear current history...", which asks first and then has the program start a new, empty
// history file.
#include "messenger/options/win32/option_pages.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/message_box_win32.h"

namespace kivet {
namespace {

const char kClearHistoryCaption[] = "Kivet Secure Messenger";

void HistoryPage_OnInit(HWND page, SheetState& sheet)
{
    bool overwrite = sheet.changes.Shown().OverwriteAtStartup != 0;
    CheckRadioButton(page, IDC_OPT_OVERWRITE, IDC_OPT_APPEND, overwrite ? IDC_OPT_OVERWRITE : IDC_OPT_APPEND);
}

void HistoryPage_OnClear(HWND page, SheetState& sheet)
{
    BoxSpec question{Text(IDS_CLEAR_HISTORY_QUESTION), kClearHistoryCaption, BoxButtons::YesNo, BoxIcon::Question};
    if (ShowMessageBox(page, question) == BoxAnswer::Yes) sheet.context.services.ClearHistory();
}

void HistoryPage_OnCommand(HWND page, SheetState& sheet, int control, int code)
{
    if (code != BN_CLICKED) return;
    switch (control) {
    case IDC_OPT_OVERWRITE: sheet.changes.SetOverwriteAtStartup(true); break;
    case IDC_OPT_APPEND: sheet.changes.SetOverwriteAtStartup(false); break;
    case IDC_OPT_CLEAR_HISTORY: HistoryPage_OnClear(page, sheet); break;
    }
}

const PageHandlers kHistoryPage = {HistoryPage_OnInit, HistoryPage_OnCommand, nullptr, nullptr};

} // namespace

const PageHandlers& HistoryPageHandlers()
{
    return kHistoryPage;
}

} // namespace kivet
