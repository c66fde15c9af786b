#include "messenger/lists/name_list.h"

#include <cstddef>
#include <utility>

namespace kivet {
namespace {
const RegRoot kUser = RegRoot::CurrentUser;
} // namespace

NameList::NameList(RegistryStore& registry, std::string_view subkey, const TextCodec& codec)
    : registry_(registry), key_(ProgramSubkey(subkey)), codec_(codec)
{
}

void NameList::Load()
{
    entries_.clear();
    for (std::string& name : registry_.ValueNames(kUser, key_)) {
        if (entries_.size() == kListCapacity) break;
        if (FitsName(name, kListEntryChars)) entries_.push_back(std::move(name));
    }
}

std::size_t NameList::IndexOf(std::string_view name) const
{
    std::size_t i = 0;
    while (i < entries_.size() && !SameName(codec_, entries_[i], name))
        ++i;
    return i;
}

bool NameList::Contains(std::string_view name) const
{
    return IndexOf(name) < entries_.size();
}

bool NameList::Add(std::string_view name)
{
    if (!FitsName(name, kListEntryChars) || entries_.size() >= kListCapacity || Contains(name)) return false;
    if (!registry_.SetString(kUser, key_, std::string(name), "")) return false;
    Load();
    return Contains(name);
}

bool NameList::Delete(std::string_view name)
{
    std::size_t i = IndexOf(name);
    if (i == entries_.size()) return false;
    // The value is deleted under the name it is stored with; reading the subkey again keeps the
    // entry when the registry refused.
    registry_.DeleteValue(kUser, key_, entries_[i]);
    Load();
    return !Contains(name);
}

void NameList::SaveAll()
{
    registry_.CreateKey(kUser, key_);
    for (const std::string& entry : entries_)
        registry_.SetString(kUser, key_, entry, "");
}

} // namespace kivet
