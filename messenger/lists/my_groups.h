// My Groups: named sets of recipients. The registry holds one subkey of "MyGroups" per group,
// named after it; every member is one value of that subkey (name = member, empty data).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "messenger/runtime/settings_store.h"
#include "common/text_codec.h"

namespace kivet {

constexpr std::size_t kMyGroupCapacity = 50;      // groups kept in memory
constexpr std::size_t kMyGroupNameChars = 19;     // characters of a group name
constexpr std::size_t kMyGroupMemberChars = 19;   // characters of a member name
constexpr std::size_t kMyGroupMemberBytes = 5000; // shared store of all members, terminators included

struct MyGroup {
    std::string name;
    std::vector<std::string> members;
};

class MyGroups {
public:
    MyGroups(RegistryStore& registry, const TextCodec& codec);

    // Re-reads the groups and their members in the registry's enumeration order. Names that do
    // not fit are passed over, at most kMyGroupCapacity groups are read, and members are read
    // while they fit the shared member store; the registry itself is not changed.
    void Load();
    // Each of these writes the registry and reads the groups again; true when the change is
    // there afterwards, false when it was refused or the registry did not take it. Pointers from
    // Find and references into Groups() do not survive them.
    bool CreateMyGroup(std::string_view name);
    bool DeleteMyGroup(std::string_view name);
    bool AddMember(std::string_view group, std::string_view name);
    bool DeleteMember(std::string_view group, std::string_view name);

    // Group and member names compare without regard to case, as the registry's names do.
    bool IsMyGroup(std::string_view name) const;
    const MyGroup* Find(std::string_view name) const;
    const std::vector<MyGroup>& Groups() const { return groups_; }
    // Bytes of the shared member store in use, and whether some members did not fit at the last load.
    std::size_t MemberBytes() const { return memberBytes_; }
    bool MembersCut() const { return membersCut_; }

private:
    // Reads one group's members into group while the shared store has room.
    void LoadMembers(MyGroup& group);
    bool IsMember(const MyGroup& group, std::string_view name) const;

    RegistryStore& registry_;
    const TextCodec& codec_;
    std::vector<MyGroup> groups_;
    std::size_t memberBytes_ = 0;
    bool membersCut_ = false;
};

} // namespace kivet
