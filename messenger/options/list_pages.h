// The pages that edit the personal lists: which list each page edits, in which entry form the
// "Add to list" dialog takes a name for it, and what adding a typed name does.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "messenger/lists/auto_replies.h"
#include "messenger/lists/list_entry.h"
#include "messenger/lists/personal_lists.h"
#include "messenger/options/options_pages.h"

namespace kivet {

// The simple list a page edits (Network Groups, Quick List, Ignore List, Quick Answers); null for
// the other pages.
NameList* PageNameList(OptionsPage page, PersonalLists& lists);
// The entry form of the page's "&Add new..." (for My Groups: "&Create...").
ListKind PageEntryForm(OptionsPage page);

// Adds a typed name to a simple list in the list's form. True when the list gained it; a name
// that is already listed, or that is empty once brought into form, is not added.
bool AddTypedName(NameList& list, ListKind form, std::string_view typed, const TextCodec& codec);
// The same for a new My Group and for a member of an existing one.
bool AddTypedGroup(MyGroups& groups, std::string_view typed, const TextCodec& codec);
bool AddTypedMember(MyGroups& groups, std::string_view group, std::string_view typed, const TextCodec& codec);

// Saves what the Create/Edit Auto-Reply dialog holds: a new record, or the record that was
// described as `editedDescription`. False when the description is empty or another record
// already has it, so that no record is overwritten.
bool SaveAutoReply(AutoReplies& replies, const std::optional<std::string>& editedDescription,
                   std::string_view description, std::string_view message);

// The list position to select after the entry at `removed` was deleted from a list that now holds
// `remaining` entries: the entry that took its place, else the new last one; -1 when the list
// is empty.
long SelectionAfterDelete(long removed, std::size_t remaining);

} // namespace kivet
