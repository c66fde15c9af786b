#include "messenger/send/personal_send_lists.h"

namespace kivet {

PersonalSendLists::PersonalSendLists(PersonalLists& lists, ServerGroupList& serverGroups, const TextCodec& codec)
    : lists_(lists), serverGroups_(serverGroups), codec_(codec)
{
}

bool PersonalSendLists::InNetworkGroups(std::string_view group)
{
    return lists_.networkGroups.Contains(group);
}

bool PersonalSendLists::InServerGroups(std::string_view group)
{
    return serverGroups_.Contains(codec_.Upper(group));
}

bool PersonalSendLists::FindMyGroup(std::string_view name, std::vector<std::string>& members)
{
    const MyGroup* group = lists_.myGroups.Find(name);
    if (group == nullptr && !name.empty() && name.front() == '#') group = lists_.myGroups.Find(name.substr(1));
    if (group == nullptr) return false;
    members = group->members;
    return true;
}

void PersonalSendLists::AddToQuickList(std::string_view name)
{
    lists_.quick.Add(name);
}

} // namespace kivet
