// The My Groups page: the groups with "&Create..." and "&Delete", and the members of the selected
// group with "&Add..." and "D&elete". Every change is written to the registry at once.
#include <windowsx.h>

#include "messenger/options/list_pages.h"
#include "messenger/options/win32/add_to_list_dialog.h"
#include "messenger/options/win32/list_box.h"
#include "messenger/options/win32/option_pages.h"
#include "messenger/resources/resource.h"

namespace kivet {
namespace {

std::vector<std::string> GroupNames(const MyGroups& groups)
{
    std::vector<std::string> names;
    for (const MyGroup& group : groups.Groups())
        names.push_back(group.name);
    return names;
}

std::string SelectedGroup(HWND page)
{
    return SelectedText(GetDlgItem(page, IDC_OPT_GROUPS));
}

void ShowMembers(HWND page, SheetState& sheet, long selected)
{
    const MyGroup* group = sheet.context.lists.myGroups.Find(SelectedGroup(page));
    FillListBox(GetDlgItem(page, IDC_OPT_MEMBERS), group ? group->members : std::vector<std::string>(), selected);
    UpdatePageEnables(page);
}

void ShowGroups(HWND page, SheetState& sheet, long selected)
{
    FillListBox(GetDlgItem(page, IDC_OPT_GROUPS), GroupNames(sheet.context.lists.myGroups), selected);
    ShowMembers(page, sheet, 0);
}

void MyGroupsPage_OnInit(HWND page, SheetState& sheet)
{
    ShowGroups(page, sheet, 0);
}

void MyGroupsPage_OnCreate(HWND page, SheetState& sheet)
{
    std::optional<std::string> typed = AskListName(page, ListKind::MyGroup);
    if (typed && AddTypedGroup(sheet.context.lists.myGroups, *typed, sheet.context.codec)) ShowGroups(page, sheet, 0);
}

// A group goes with all its members.
void MyGroupsPage_OnDeleteGroup(HWND page, SheetState& sheet)
{
    HWND groups = GetDlgItem(page, IDC_OPT_GROUPS);
    long index = SelectedIndex(groups);
    if (index < 0) return;
    MyGroups& myGroups = sheet.context.lists.myGroups;
    myGroups.DeleteMyGroup(SelectedText(groups));
    ShowGroups(page, sheet, SelectionAfterDelete(index, myGroups.Groups().size()));
}

void MyGroupsPage_OnAddMember(HWND page, SheetState& sheet)
{
    std::string group = SelectedGroup(page);
    if (group.empty()) return;
    std::optional<std::string> typed = AskListName(page, ListKind::MyGroupMember);
    if (typed && AddTypedMember(sheet.context.lists.myGroups, group, *typed, sheet.context.codec))
        ShowMembers(page, sheet, 0);
}

void MyGroupsPage_OnDeleteMember(HWND page, SheetState& sheet)
{
    HWND members = GetDlgItem(page, IDC_OPT_MEMBERS);
    long index = SelectedIndex(members);
    std::string group = SelectedGroup(page);
    if (index < 0 || group.empty()) return;
    MyGroups& myGroups = sheet.context.lists.myGroups;
    myGroups.DeleteMember(group, SelectedText(members));
    const MyGroup* after = myGroups.Find(group);
    ShowMembers(page, sheet, SelectionAfterDelete(index, after ? after->members.size() : 0));
}

void MyGroupsPage_OnCommand(HWND page, SheetState& sheet, int control, int code)
{
    if (control == IDC_OPT_GROUPS && code == LBN_SELCHANGE) ShowMembers(page, sheet, 0);
    if (code != BN_CLICKED) return;
    switch (control) {
    case IDC_OPT_GROUP_CREATE: MyGroupsPage_OnCreate(page, sheet); break;
    case IDC_OPT_GROUP_DELETE: MyGroupsPage_OnDeleteGroup(page, sheet); break;
    case IDC_OPT_MEMBER_ADD: MyGroupsPage_OnAddMember(page, sheet); break;
    case IDC_OPT_MEMBER_DELETE: MyGroupsPage_OnDeleteMember(page, sheet); break;
    }
}

void MyGroupsPage_OnEnables(HWND page, SheetState&)
{
    bool hasGroup = SelectedIndex(GetDlgItem(page, IDC_OPT_GROUPS)) >= 0;
    bool hasMembers = ListBox_GetCount(GetDlgItem(page, IDC_OPT_MEMBERS)) > 0;
    EnableWindow(GetDlgItem(page, IDC_OPT_GROUP_DELETE), hasGroup);
    EnableWindow(GetDlgItem(page, IDC_OPT_MEMBER_ADD), hasGroup);
    EnableWindow(GetDlgItem(page, IDC_OPT_MEMBER_DELETE), hasGroup && hasMembers);
}

const PageHandlers kMyGroupsPage = {MyGroupsPage_OnInit, MyGroupsPage_OnCommand, nullptr, MyGroupsPage_OnEnables};

} // namespace

const PageHandlers& MyGroupsPageHandlers()
{
    return kMyGroupsPage;
}

} // namespace kivet
