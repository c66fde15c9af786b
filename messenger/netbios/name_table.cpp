#include "messenger/netbios/name_table.h"

#include <algorithm>

#include "messenger/netbios/name_text.h"

namespace kivet::nbt {
namespace {

constexpr uint8_t kAdapterRegistering = 0x00;
constexpr uint8_t kAdapterRegistered = 0x04;
constexpr uint8_t kAdapterDeregistered = 0x05;
constexpr uint8_t kAdapterDuplicate = 0x06;

NetBiosName WithSuffix(NetBiosName name, uint8_t suffix)
{
    name[15] = static_cast<char>(suffix);
    return name;
}

uint16_t StatusFlagsOf(const LocalName& entry)
{
    uint16_t flags = entry.group ? kStatusGroup : 0;
    if (entry.state == NameState::Registered) flags |= kStatusActive;
    if (entry.state == NameState::Conflict) flags |= kStatusConflict;
    return flags;
}

} // namespace

uint8_t NameTable::Reserve(const NetBiosName& name, bool group)
{
    if (Find(name) != nullptr) return kNrcDuplicateName;
    if (names_.size() >= capacity_) return kNrcNameTableFull;
    LocalName entry;
    entry.name = name;
    entry.group = group;
    entry.number = nextNumber_++;
    if (nextNumber_ == 0) nextNumber_ = 2;
    names_.push_back(entry);
    return kNrcGoodReturn;
}

void NameTable::SetState(const NetBiosName& name, NameState state)
{
    for (LocalName& entry : names_)
        if (SameName(entry.name, name)) entry.state = state;
}

bool NameTable::Remove(const NetBiosName& name)
{
    const auto it = std::find_if(names_.begin(), names_.end(),
                                 [&](const LocalName& entry) { return SameName(entry.name, name); });
    if (it == names_.end()) return false;
    names_.erase(it);
    return true;
}

const LocalName* NameTable::Find(const NetBiosName& name) const
{
    for (const LocalName& entry : names_)
        if (SameName(entry.name, name)) return &entry;
    return nullptr;
}

const LocalName* NameTable::FindRegistered(const NetBiosName& name) const
{
    const LocalName* entry = Find(name);
    return entry != nullptr && entry->state == NameState::Registered ? entry : nullptr;
}

bool NameTable::MustDefend(const NetBiosName& name, bool requestIsGroup) const
{
    const LocalName* entry = FindRegistered(name);
    return entry != nullptr && (!entry->group || !requestIsGroup);
}

bool NameTable::HoldsText(const NetBiosName& name) const
{
    for (const LocalName& entry : names_)
        if (NameText(entry.name).size() == NameText(name).size() && SameName(WithSuffix(entry.name, 0), WithSuffix(name, 0)))
            return true;
    return false;
}

const LocalName* NameTable::FirstRegistered(uint8_t suffix, bool group) const
{
    for (const LocalName& entry : names_)
        if (entry.state == NameState::Registered && entry.group == group && SuffixOf(entry.name) == suffix)
            return &entry;
    return nullptr;
}

std::vector<NodeStatusName> NameTable::StatusNames() const
{
    std::vector<NodeStatusName> entries;
    for (const LocalName& entry : names_)
        entries.push_back(NodeStatusName{entry.name, StatusFlagsOf(entry)});
    return entries;
}

uint8_t AdapterStatusFlags(uint16_t statusFlags)
{
    uint8_t state = kAdapterRegistering;
    if (statusFlags & kStatusConflict)
        state = kAdapterDuplicate;
    else if (statusFlags & kStatusDeregistering)
        state = kAdapterDeregistered;
    else if (statusFlags & kStatusActive)
        state = kAdapterRegistered;
    return static_cast<uint8_t>(((statusFlags & kStatusGroup) ? kNameFlagGroup : 0) | state);
}

} // namespace kivet::nbt
