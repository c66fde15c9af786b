#include "messenger/send/mailslot_target.h"

namespace kivet {
namespace {

bool IsForbiddenInTarget(unsigned char c)
{
    if (c < 0x20 || c == 0x7F) return true;
    switch (c) {
    case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|': return true;
    default: return false;
    }
}

} // namespace

bool IsValidMailslotTarget(std::string_view name, StarTarget star)
{
    if (name == kPrimaryDomainTarget) return star == StarTarget::Allowed;
    if (name.empty() || name.size() > kNetbiosNameChars) return false;
    bool onlyDots = true;
    for (char c : name) {
        if (IsForbiddenInTarget(static_cast<unsigned char>(c))) return false;
        if (c != '.') onlyDots = false;
    }
    // "\." is the local device namespace and ".." walks up a path.
    return !onlyDots;
}

} // namespace kivet
