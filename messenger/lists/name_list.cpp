#include "messenger/lists/name_list.h"

#include <utility>

namespace kivet {
namespace {
const RegRoot kUser = RegRoot::CurrentUser;
} // namespace

NameList::NameList(RegistryStore* registry, std::string subkey, const TextCodec& codec)
    : registry_(subkey.empty() ? nullptr : registry), key_(registry_ ? ProgramSubkey(subkey) : std::string()),
      codec_(codec)
{
}

void NameList::Load()
{
    if (!registry_) return;
    entries_.clear();
    for (std::string& name : registry_->ValueNames(kUser, key_)) {
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
    if (!registry_) {
        entries_.emplace_back(name);
        return true;
    }
    if (!registry_->SetString(kUser, key_, std::string(name), "")) return false;
    Load();
    return Contains(name);
}

bool NameList::Delete(std::string_view name)
{
    std::size_t i = IndexOf(name);
    if (i == entries_.size()) return false;
    if (registry_) {
        // The value is deleted under the name it is stored with; reading the subkey again keeps
        // the entry when the registry refused.
        registry_->DeleteValue(kUser, key_, entries_[i]);
        Load();
        return !Contains(name);
    }
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
    return true;
}

void NameList::SaveAll()
{
    if (!registry_) return;
    registry_->CreateKey(kUser, key_);
    for (const std::string& entry : entries_)
        registry_->SetString(kUser, key_, entry, "");
}

void NameList::Clear()
{
    if (!registry_) entries_.clear();
}

} // namespace kivet
