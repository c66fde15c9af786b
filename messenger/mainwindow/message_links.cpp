#include "messenger/mainwindow/message_links.h"

#include <cctype>

namespace kivet {
namespace {

const std::string_view kOpenablePrefixes[] = {"http://", "https://", "ftp://", "mailto:", "news:", "www."};

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}

bool HasControlCharacter(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    return false;
}

} // namespace

bool IsOpenableLink(std::string_view address)
{
    if (HasControlCharacter(address)) return false;
    for (std::string_view prefix : kOpenablePrefixes)
        if (StartsWithNoCase(address, prefix) && address.size() > prefix.size()) return true;
    return false;
}

} // namespace kivet
