#include "messenger/lists/personal_lists.h"

namespace kivet {

PersonalLists::PersonalLists(RegistryStore& registry, const TextCodec& codec)
    : quick(registry, "QuickList", codec), ignore(registry, "IgnoreList", codec),
      networkGroups(registry, "NetworkGroups", codec), answers(registry, "Answers", codec), myGroups(registry, codec),
      autoReplies(registry, codec)
{
}

void PersonalLists::LoadAtStartup()
{
    for (NameList* list : {&quick, &ignore, &networkGroups, &answers})
        list->SaveAll();
    ignore.Load();
    networkGroups.Load();
    answers.Load();
    myGroups.Load();
    autoReplies.Load();
    quick.Load();
}

} // namespace kivet
