// The Auto-Replies page: the descriptions, the selected record's description and message, and
// "&Add new...", "&Edit..." and "&Delete". Adding and editing go through the Create/Edit
// Auto-Reply dialog; every change is written to the registry at once.
#include <windowsx.h>

#include "common/fixed_text.h"
#include "messenger/options/list_pages.h"
#include "messenger/options/win32/auto_reply_editor.h"
#include "messenger/options/win32/list_box.h"
#include "messenger/options/win32/option_pages.h"
#include "messenger/resources/resource.h"

namespace kivet {
namespace {

std::vector<std::string> Descriptions(const AutoReplies& replies)
{
    std::vector<std::string> names;
    for (const AutoReply& record : replies.Records())
        names.emplace_back(FieldText(record.description));
    return names;
}

const AutoReply* SelectedRecord(HWND page, SheetState& sheet)
{
    long index = SelectedIndex(GetDlgItem(page, IDC_OPT_REPLIES));
    const std::vector<AutoReply>& records = sheet.context.lists.autoReplies.Records();
    if (index < 0 || static_cast<std::size_t>(index) >= records.size()) return nullptr;
    return &records[static_cast<std::size_t>(index)];
}

void ShowSelectedRecord(HWND page, SheetState& sheet)
{
    const AutoReply* record = SelectedRecord(page, sheet);
    SetDlgItemTextA(page, IDC_OPT_REPLY_DESCRIPTION, record ? std::string(FieldText(record->description)).c_str() : "");
    SetDlgItemTextA(page, IDC_OPT_REPLY_MESSAGE, record ? std::string(FieldText(record->message)).c_str() : "");
    UpdatePageEnables(page);
}

void ShowRecords(HWND page, SheetState& sheet, long selected)
{
    FillListBox(GetDlgItem(page, IDC_OPT_REPLIES), Descriptions(sheet.context.lists.autoReplies), selected);
    ShowSelectedRecord(page, sheet);
}

void AutoRepliesPage_OnInit(HWND page, SheetState& sheet)
{
    ShowRecords(page, sheet, 0);
}

// The record just saved is the one shown afterwards.
void SelectDescription(HWND page, SheetState& sheet, const std::string& description)
{
    std::vector<std::string> names = Descriptions(sheet.context.lists.autoReplies);
    long selected = 0;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == description) selected = static_cast<long>(i);
    ShowRecords(page, sheet, selected);
}

// Opens the Create/Edit dialog on `record` (null: a new one) and shows what it saved.
void RunAutoReplyEditor(HWND page, SheetState& sheet, const AutoReply* record)
{
    std::optional<std::string> edited;
    std::string message;
    if (record) {
        edited = std::string(FieldText(record->description));
        message = std::string(FieldText(record->message));
    }
    std::string saved;
    auto save = [&](const std::string& description, const std::string& message) {
        if (!SaveAutoReply(sheet.context.lists.autoReplies, edited, description, message)) return false;
        saved = description;
        return true;
    };
    if (EditAutoReply(page, edited.value_or(std::string()), message, save)) SelectDescription(page, sheet, saved);
}

void AutoRepliesPage_OnAdd(HWND page, SheetState& sheet)
{
    RunAutoReplyEditor(page, sheet, nullptr);
}

void AutoRepliesPage_OnEdit(HWND page, SheetState& sheet)
{
    if (const AutoReply* record = SelectedRecord(page, sheet)) RunAutoReplyEditor(page, sheet, record);
}

void AutoRepliesPage_OnDelete(HWND page, SheetState& sheet)
{
    long index = SelectedIndex(GetDlgItem(page, IDC_OPT_REPLIES));
    const AutoReply* record = SelectedRecord(page, sheet);
    if (!record) return;
    AutoReplies& replies = sheet.context.lists.autoReplies;
    replies.DeleteAutoReply(std::string(FieldText(record->description)));
    ShowRecords(page, sheet, SelectionAfterDelete(index, replies.Records().size()));
}

void AutoRepliesPage_OnCommand(HWND page, SheetState& sheet, int control, int code)
{
    if (control == IDC_OPT_REPLIES && code == LBN_SELCHANGE) ShowSelectedRecord(page, sheet);
    if (control == IDC_OPT_REPLIES && code == LBN_DBLCLK) AutoRepliesPage_OnEdit(page, sheet);
    if (code != BN_CLICKED) return;
    switch (control) {
    case IDC_OPT_REPLY_ADD: AutoRepliesPage_OnAdd(page, sheet); break;
    case IDC_OPT_REPLY_EDIT: AutoRepliesPage_OnEdit(page, sheet); break;
    case IDC_OPT_REPLY_DELETE: AutoRepliesPage_OnDelete(page, sheet); break;
    }
}

void AutoRepliesPage_OnEnables(HWND page, SheetState& sheet)
{
    bool selected = SelectedRecord(page, sheet) != nullptr;
    EnableWindow(GetDlgItem(page, IDC_OPT_REPLY_EDIT), selected);
    EnableWindow(GetDlgItem(page, IDC_OPT_REPLY_DELETE), selected);
}

const PageHandlers kAutoRepliesPage = {AutoRepliesPage_OnInit, AutoRepliesPage_OnCommand, nullptr,
                                       AutoRepliesPage_OnEnables};

} // namespace

const PageHandlers& AutoRepliesPageHandlers()
{
    return kAutoRepliesPage;
}

} // namespace kivet
