#include "messenger/browser/name_checks.h"

#include <algorithm>

#include "common/fixed_text.h"

namespace kivet {

bool IsAddress(std::string_view name)
{
    return std::count(name.begin(), name.end(), '.') == 3;
}

bool IsDomain(std::string_view name, const std::vector<std::string>& domains, std::string_view workgroup)
{
    if (name.empty()) return false;
    if (EqualsNoCase(name, workgroup)) return true;
    return std::any_of(domains.begin(), domains.end(), [&](const std::string& d) { return EqualsNoCase(name, d); });
}

bool IsLocal(std::string_view name, std::string_view computer, std::string_view user)
{
    if (name.empty()) return false;
    return EqualsNoCase(name, computer) || EqualsNoCase(name, user);
}

std::string ComputerNameOfHost(std::string_view host)
{
    host = host.substr(0, host.find('.'));
    host = host.substr(0, std::min<std::size_t>(host.find('\0'), 15));
    std::string name(host);
    for (char& c : name)
        c = AsciiUpper(c);
    return name;
}

} // namespace kivet
