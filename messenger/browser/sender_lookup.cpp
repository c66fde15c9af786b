#include "messenger/browser/sender_lookup.h"

#include <algorithm>
#include <cstring>

namespace kivet {
namespace {

bool AllowedInComputerName(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return u > 0x20 && u != 0x7F && std::strchr("\\/:*?\"<>|%", c) == nullptr;
}

} // namespace

std::string SenderLookupName(std::string_view sender)
{
    const std::size_t blank = sender.find(' ');
    if (blank != std::string_view::npos) sender = sender.substr(0, blank);
    return std::string(sender.substr(0, 15));
}

bool LookUpSender(NetworkDirectory& directory, std::string_view sender, ResolutionRecord& record)
{
    const std::string name = SenderLookupName(sender);
    if (name.empty()) return false;
    if (directory.ResolveName(name, ResolveService::Messenger, record)) return true;
    std::string computer;
    return directory.FindScanned(name, computer) && directory.AdapterStatus(computer, record);
}

std::optional<std::string> BrowsePathFor(std::string_view computer)
{
    if (computer.empty() || computer.size() > 15 || computer.front() == '.') return std::nullopt;
    if (!std::all_of(computer.begin(), computer.end(), AllowedInComputerName)) return std::nullopt;
    return "\\\\" + std::string(computer);
}

} // namespace kivet
