// The personal lists as the sending code asks them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kivet {

class SendLists {
public:
    virtual ~SendLists() = default;
    // The user's Network Groups list holds the group ("@" and the name).
    virtual bool InNetworkGroups(std::string_view group) = 0;
    // The relay server's group list holds the group.
    virtual bool InServerGroups(std::string_view group) = 0;
    // The members of the My Group, in list order; false when there is no such group.
    virtual bool FindMyGroup(std::string_view name, std::vector<std::string>& members) = 0;
    // Adds the name to the Quick List unless it is there already.
    virtual void AddToQuickList(std::string_view name) = 0;
};

} // namespace kivet
