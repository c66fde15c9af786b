// The running program's personal lists and Auto-Reply mode: created with the hidden frame window,
// loaded from the registry at start-up and deleted when the frame is destroyed.
#pragma once

#include "messenger/lists/auto_reply_mode.h"
#include "messenger/lists/personal_lists.h"

namespace kivet {

void CreatePersonalLists();
// Ignore List, Network Groups, Quick Answers, My Groups, Auto-Replies and the current auto-reply text.
void LoadPersonalLists();
void DeletePersonalLists();

PersonalLists& ProcessLists();
AutoReplyMode& ProcessAutoReplyMode();
// False before the lists exist and after they are gone.
bool InAutoReplyMode();

} // namespace kivet
