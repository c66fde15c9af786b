#include "messenger/browser/netbios.h"

#include <cstring>

namespace kivet {

NetBiosName MakeNetBiosName(const char* text, uint8_t suffix)
{
    NetBiosName name;
    name.fill(' ');
    for (std::size_t i = 0; i < 15 && text[i] != '\0'; ++i) {
        const char c = text[i];
        name[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    name[15] = static_cast<char>(suffix);
    return name;
}

} // namespace kivet
