// One of the user's simple name lists (Quick List, Ignore List, Network Groups, Quick Answers),
// kept in memory and in the registry: every entry is one value of the list's subkey, named after
// the entry, with empty data.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "messenger/lists/list_names.h"
#include "messenger/runtime/settings_store.h"
#include "common/text_codec.h"

namespace kivet {

constexpr std::size_t kListCapacity = 50;   // entries kept in memory
constexpr std::size_t kListEntryChars = 19; // characters of one entry

class NameList {
public:
    // Bound to HKCU\<program key>\<subkey>.
    NameList(RegistryStore& registry, std::string_view subkey, const TextCodec& codec);

    // Re-reads the subkey in the registry's enumeration order. A missing subkey gives an empty
    // list; names longer than an entry are passed over (a cut name would no longer name its
    // value), and reading stops at kListCapacity entries. The registry itself is not changed.
    void Load();
    // Entries compare without regard to case, through the codec's upper-casing: registry value
    // names are case-insensitive, so "Alice" and "ALICE" are one entry.
    bool Contains(std::string_view name) const;
    // Adds a name of 1 to kListEntryChars characters that is not yet listed, while the list has
    // room; it writes the value and reads the subkey again. True when the name was
    // added; false when it was refused or the registry did not take it.
    bool Add(std::string_view name);
    // Deletes the entry that matches the name and its registry value; the list is read again
    // afterwards, so it shows what the registry holds. True when the entry is gone.
    bool Delete(std::string_view name);
    // Creates the subkey and writes every entry as a value.
    void SaveAll();

    std::size_t Count() const { return entries_.size(); }
    const std::vector<std::string>& Entries() const { return entries_; }

private:
    // The index of the entry matching name, or Count() when there is none.
    std::size_t IndexOf(std::string_view name) const;

    RegistryStore& registry_;
    std::string key_;
    const TextCodec& codec_;
    std::vector<std::string> entries_;
};

} // namespace kivet
