// The NetBIOS names the program registers, as Windows registers them for a workstation: the
// computer name <00> and <03>, the user name <03>, the workgroup as group names <00> and <1E>
// (peers look for the workgroup among the <00> group names), and, while the user is away,
// "AUTOANSWERMODE" <11> as a group name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "messenger/netbios/nbt_service.h"

namespace kivet::nbt {

constexpr std::string_view kAutoReplyNameText = "AUTOANSWERMODE";

// Invalid texts (empty, too long, forbidden characters) are left out; a user name equal to the
// computer name is added once.
std::vector<NameToAdd> ProgramNames(std::string_view computer, std::string_view user, std::string_view workgroup);

NetBiosName AutoReplyName();

constexpr std::string_view kDefaultWorkgroup = "WORKGROUP";

// The workgroup to register from the LAN group the system reports: "WORKGROUP" when it reports
// none, or the computer's own name (Wine reports the account domain, which is the computer name;
// on Windows a workgroup is never named like a computer in it, and the workgroup's <00> group
// name could not be held beside the computer's unique <00> name).
std::string WorkgroupToRegister(std::string_view lanGroup, std::string_view computer);

} // namespace kivet::nbt
