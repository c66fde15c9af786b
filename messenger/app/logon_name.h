// The Windows logon name of the user running the program; empty when the system does not say.
#pragma once

#include <string>

namespace kivet {

std::string SystemLogonName();

} // namespace kivet
