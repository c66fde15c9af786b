// How a recipient entry is classified before it is sent to: a domain, the local machine or an
// IP address. Names are compared without regard to case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kivet {

// The name holds exactly three dots.
bool IsAddress(std::string_view name);

// The name is one of the known domains or the local workgroup.
bool IsDomain(std::string_view name, const std::vector<std::string>& domains, std::string_view workgroup);

// The name is the local computer or the local user.
bool IsLocal(std::string_view name, std::string_view computer, std::string_view user);

// A host name as a computer name: cut at its first dot, at most 15 characters, upper-case.
std::string ComputerNameOfHost(std::string_view host);

} // namespace kivet
