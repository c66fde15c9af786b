#include "messenger/transport/mailslot_target.h"

namespace kivet {
namespace {

constexpr std::size_t kLongestNetBiosName = 15;
constexpr std::string_view kForbidden = "\\/:*?\"<>|";

bool IsNameCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte != 0x7F && kForbidden.find(c) == std::string_view::npos;
}

} // namespace

bool IsMailslotTarget(std::string_view target, Broadcast broadcast)
{
    if (target == "*") return broadcast == Broadcast::Allowed;
    if (target.empty() || target.size() > kLongestNetBiosName) return false;
    for (char c : target)
        if (!IsNameCharacter(c)) return false;
    // "." names this computer in a path and ".." its parent: neither is a computer's name.
    return target.find_first_not_of('.') != std::string_view::npos;
}

} // namespace kivet
