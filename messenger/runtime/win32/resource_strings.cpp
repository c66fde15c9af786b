#include "messenger/runtime/win32/resource_strings.h"

namespace kivet {

bool ModuleStrings::Load(uint32_t id, char* buf, std::size_t size)
{
    if (size == 0) return false;
    buf[0] = '\0';
    return LoadStringA(module_, id, buf, static_cast<int>(size)) > 0;
}

} // namespace kivet
