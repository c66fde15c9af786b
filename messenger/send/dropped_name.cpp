#include "messenger/send/dropped_name.h"

#include "messenger/send/recipient_list.h"
#include "messenger/transport/mailslot_target.h"

namespace kivet {

std::optional<std::string> DroppedComputerName(std::string_view path)
{
    if (path.size() < 3 || path.substr(0, 2) != "\\\\") return std::nullopt;
    std::string_view name = path.substr(2);
    if (!name.empty() && name.back() == '\\') name.remove_suffix(1);
    if (name.empty() || name.size() > kRecipientEntryChars || name.find('\\') != std::string_view::npos)
        return std::nullopt;
    if (!IsMailslotTarget(name, Broadcast::Refused)) return std::nullopt;
    return std::string(name);
}

} // namespace kivet
