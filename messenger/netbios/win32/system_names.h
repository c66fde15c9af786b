// The workgroup (or domain) the system says this computer belongs to, for the names our NetBIOS
// registers before anything can ask the adapter for it.
#pragma once

#include <string>
#include <string_view>

namespace kivet::nbt {

// Upper-case, at most 15 characters; "WORKGROUP" when the system does not say or names the
// computer itself (see WorkgroupToRegister).
std::string SystemWorkgroupName(std::string_view computer);

} // namespace kivet::nbt
