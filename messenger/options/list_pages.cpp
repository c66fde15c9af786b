#include "messenger/options/list_pages.h"

namespace kivet {

NameList* PageNameList(OptionsPage page, PersonalLists& lists)
{
    switch (page) {
    case OptionsPage::NetworkGroups: return &lists.networkGroups;
    case OptionsPage::QuickList: return &lists.quick;
    case OptionsPage::IgnoreList: return &lists.ignore;
    case OptionsPage::QuickAnswers: return &lists.answers;
    default: return nullptr;
    }
}

ListKind PageEntryForm(OptionsPage page)
{
    switch (page) {
    case OptionsPage::NetworkGroups: return ListKind::NetworkGroups;
    case OptionsPage::IgnoreList: return ListKind::IgnoreList;
    case OptionsPage::QuickAnswers: return ListKind::QuickAnswers;
    case OptionsPage::MyGroups: return ListKind::MyGroup;
    default: return ListKind::QuickList;
    }
}

bool AddTypedName(NameList& list, ListKind form, std::string_view typed, const TextCodec& codec)
{
    std::string name = NormaliseEntry(form, typed, codec);
    return !name.empty() && list.Add(name);
}

bool AddTypedGroup(MyGroups& groups, std::string_view typed, const TextCodec& codec)
{
    std::string name = NormaliseEntry(ListKind::MyGroup, typed, codec);
    return !name.empty() && groups.CreateMyGroup(name);
}

bool AddTypedMember(MyGroups& groups, std::string_view group, std::string_view typed, const TextCodec& codec)
{
    std::string name = NormaliseEntry(ListKind::MyGroupMember, typed, codec);
    return !name.empty() && groups.AddMember(group, name);
}

bool SaveAutoReply(AutoReplies& replies, const std::optional<std::string>& editedDescription,
                   std::string_view description, std::string_view message)
{
    if (description.empty()) return false;
    AutoReply record = MakeAutoReply(description, message);
    if (editedDescription) return replies.ReplaceAutoReply(*editedDescription, record);
    return replies.AddAutoReply(record);
}

long SelectionAfterDelete(long removed, std::size_t remaining)
{
    if (remaining == 0) return -1;
    long last = static_cast<long>(remaining) - 1;
    return removed < 0 ? 0 : (removed > last ? last : removed);
}

} // namespace kivet
