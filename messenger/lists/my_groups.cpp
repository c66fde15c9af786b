#include "messenger/lists/my_groups.h"

#include <algorithm>
#include <utility>

#include "messenger/lists/list_names.h"

namespace kivet {
namespace {

const RegRoot kUser = RegRoot::CurrentUser;
const char kMyGroupsSubkey[] = "MyGroups";

std::string GroupKey(std::string_view group)
{
    return ProgramSubkey(kMyGroupsSubkey, group);
}

// A group name becomes a key name: it must fit and must not name a deeper key.
bool FitsGroupName(std::string_view name)
{
    return FitsName(name, kMyGroupNameChars) && name.find('\\') == std::string_view::npos;
}

} // namespace

MyGroups::MyGroups(RegistryStore& registry, const TextCodec& codec) : registry_(registry), codec_(codec) {}

void MyGroups::Load()
{
    groups_.clear();
    memberBytes_ = 0;
    membersCut_ = false;
    for (std::string& name : registry_.SubkeyNames(kUser, ProgramSubkey(kMyGroupsSubkey))) {
        if (groups_.size() == kMyGroupCapacity) break;
        if (!FitsGroupName(name)) continue;
        groups_.push_back(MyGroup{std::move(name), {}});
        LoadMembers(groups_.back());
    }
}

void MyGroups::LoadMembers(MyGroup& group)
{
    if (membersCut_) return;
    for (std::string& member : registry_.ValueNames(kUser, GroupKey(group.name))) {
        if (!FitsName(member, kMyGroupMemberChars)) continue;
        std::size_t bytes = member.size() + 1;
        if (memberBytes_ + bytes > kMyGroupMemberBytes) {
            membersCut_ = true;
            return;
        }
        memberBytes_ += bytes;
        group.members.push_back(std::move(member));
    }
}

bool MyGroups::IsMember(const MyGroup& group, std::string_view name) const
{
    return std::any_of(group.members.begin(), group.members.end(),
                       [&](const std::string& m) { return SameName(codec_, m, name); });
}

const MyGroup* MyGroups::Find(std::string_view name) const
{
    for (const MyGroup& g : groups_)
        if (SameName(codec_, g.name, name)) return &g;
    return nullptr;
}

bool MyGroups::IsMyGroup(std::string_view name) const
{
    return Find(name) != nullptr;
}

bool MyGroups::CreateMyGroup(std::string_view name)
{
    if (!FitsGroupName(name) || groups_.size() >= kMyGroupCapacity || IsMyGroup(name)) return false;
    if (!registry_.CreateKey(kUser, GroupKey(name))) return false;
    Load();
    return IsMyGroup(name);
}

bool MyGroups::DeleteMyGroup(std::string_view name)
{
    const MyGroup* group = Find(name);
    if (!group) return false;
    // The subkey is deleted under the name it is stored with; a group whose key the registry
    // keeps (one holding a subkey of its own) stays listed.
    registry_.DeleteKey(kUser, GroupKey(group->name));
    Load();
    return !IsMyGroup(name);
}

bool MyGroups::AddMember(std::string_view group, std::string_view name)
{
    const MyGroup* g = Find(group);
    if (!g || !FitsName(name, kMyGroupMemberChars) || IsMember(*g, name)) return false;
    // A member that would not fit the shared store would be written but not read back.
    if (membersCut_ || memberBytes_ + name.size() + 1 > kMyGroupMemberBytes) return false;
    if (!registry_.SetString(kUser, GroupKey(g->name), std::string(name), "")) return false;
    Load();
    g = Find(group);
    return g && IsMember(*g, name);
}

bool MyGroups::DeleteMember(std::string_view group, std::string_view name)
{
    const MyGroup* g = Find(group);
    if (!g) return false;
    auto member = std::find_if(g->members.begin(), g->members.end(),
                               [&](const std::string& m) { return SameName(codec_, m, name); });
    if (member == g->members.end()) return false;
    registry_.DeleteValue(kUser, GroupKey(g->name), *member);
    Load();
    g = Find(group);
    return !g || !IsMember(*g, name);
}

} // namespace kivet
