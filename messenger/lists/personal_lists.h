// The program's set of personal lists, each bound to its place under the program key.
#pragma once

#include "messenger/lists/auto_replies.h"
#include "messenger/lists/my_groups.h"
#include "messenger/lists/name_list.h"
#include "messenger/runtime/settings_store.h"
#include "common/text_codec.h"

namespace kivet {

// The relay server's group list is kept by the relay client (ServerGroupList), which the mailslot
// readers and the sending thread share under its own lock.
struct PersonalLists {
    PersonalLists(RegistryStore& registry, const TextCodec& codec);

    // Makes sure the simple lists' subkeys exist, then loads the Ignore List, Network Groups,
    // Quick Answers, My Groups, Auto-Replies and the Quick List, in that order.
    void LoadAtStartup();

    NameList quick;          // "QuickList"
    NameList ignore;         // "IgnoreList"
    NameList networkGroups;  // "NetworkGroups"
    NameList answers;        // "Answers": the Quick Answers
    MyGroups myGroups;       // "MyGroups"
    AutoReplies autoReplies; // "AutoReplies"
};

} // namespace kivet
