#include "messenger/send/recipient_kind.h"

#include <string>

namespace kivet {
namespace {

bool SameUpper(const TextCodec& codec, std::string_view upperName, std::string_view other)
{
    return !other.empty() && codec.Upper(other) == upperName;
}

} // namespace

bool IsDomain(std::string_view name, NetworkDirectory& directory, const TextCodec& codec)
{
    const std::string upper = codec.Upper(name);
    if (SameUpper(codec, upper, directory.LocalWorkgroup())) return true;
    for (const std::string& domain : directory.KnownDomains())
        if (SameUpper(codec, upper, domain)) return true;
    return false;
}

bool IsLocal(std::string_view name, NetworkDirectory& directory, const TextCodec& codec)
{
    const std::string upper = codec.Upper(name);
    return SameUpper(codec, upper, directory.LocalComputer()) || SameUpper(codec, upper, directory.LocalUser());
}

RecipientKind ClassifyRecipient(std::string_view entry, NetworkDirectory& directory, const TextCodec& codec)
{
    if (!entry.empty() && entry.front() == '@') return RecipientKind::NetworkGroup;
    if (!entry.empty() && entry.front() == '#') return RecipientKind::MyGroup;
    if (IsDomain(entry, directory, codec)) return RecipientKind::Domain;
    if (IsLocal(entry, directory, codec)) return RecipientKind::Local;
    return RecipientKind::Individual;
}

} // namespace kivet
