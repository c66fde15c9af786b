// The sending code's view of the user's personal lists and of the relay server's group list.
#pragma once

#include "common/text_codec.h"
#include "messenger/lists/personal_lists.h"
#include "messenger/send/send_lists.h"
#include "messenger/transport/relay_client.h"

namespace kivet {

class PersonalSendLists final : public SendLists {
public:
    PersonalSendLists(PersonalLists& lists, ServerGroupList& serverGroups, const TextCodec& codec);

    bool InNetworkGroups(std::string_view group) override;
    // The server's names are held upper-cased.
    bool InServerGroups(std::string_view group) override;
    // The group as written, or without its leading "#" when the list holds the bare name.
    bool FindMyGroup(std::string_view name, std::vector<std::string>& members) override;
    void AddToQuickList(std::string_view name) override;

private:
    PersonalLists& lists_;
    ServerGroupList& serverGroups_;
    const TextCodec& codec_;
};

} // namespace kivet
