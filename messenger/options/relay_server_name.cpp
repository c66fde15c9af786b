#include "messenger/options/relay_server_name.h"

namespace kivet {
namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

RelayServerChoice DecideRelayServer(bool boxTicked, std::string_view typed)
{
    std::string name(Trimmed(typed).substr(0, kServerNameChars));
    if (name.empty()) return {false, false, {}};
    return {boxTicked, true, name};
}

} // namespace kivet
