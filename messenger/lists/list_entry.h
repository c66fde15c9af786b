// The entry forms of the "Add to list" dialog: how many characters each list's input takes and
// how a typed name is brought into the list's form before it is added.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/text_codec.h"

namespace kivet {

enum class ListKind { NetworkGroups, IgnoreList, QuickList, QuickAnswers, MyGroup, MyGroupMember };

struct EntryForm {
    std::size_t inputLimit; // characters the dialog's edit box takes
    bool upperCase;         // the edit box upper-cases what is typed
};

EntryForm FormOf(ListKind kind);

// The name to add for what was typed: held to the input limit, then
//   Network Groups, My Groups: cut at the first space, at most 16 characters, upper-cased;
//   Ignore List, Quick List, My Group member: byte 3 and trailing blanks removed, at most 16
//   characters, upper-cased;
//   Quick Answers: as typed.
std::string NormaliseEntry(ListKind kind, std::string_view typed, const TextCodec& codec);

// Adding the current sender or a name of the tree: cut at the first space, at most 16 characters.
std::string QuickAddName(std::string_view name);

} // namespace kivet
