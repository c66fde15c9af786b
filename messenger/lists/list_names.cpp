#include "messenger/lists/list_names.h"

#include "messenger/runtime/registry_settings.h"

namespace kivet {

std::string ProgramSubkey(std::string_view subkey)
{
    std::string key(kProgramKey);
    key += '\\';
    key += subkey;
    return key;
}

std::string ProgramSubkey(std::string_view subkey, std::string_view child)
{
    std::string key = ProgramSubkey(subkey);
    key += '\\';
    key += child;
    return key;
}

bool SameName(const TextCodec& codec, std::string_view a, std::string_view b)
{
    return a.size() == b.size() && codec.Upper(a) == codec.Upper(b);
}

bool FitsName(std::string_view name, std::size_t maxChars)
{
    return !name.empty() && name.size() <= maxChars;
}

} // namespace kivet
