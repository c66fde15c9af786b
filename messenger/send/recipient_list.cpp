#include "messenger/send/recipient_list.h"

#include <algorithm>

namespace kivet {

std::string CutRecipientEntry(std::string_view raw)
{
    std::string_view entry = raw.substr(0, kRecipientEntryChars);
    entry = entry.substr(0, entry.find('\x03'));
    while (!entry.empty() && entry.back() == ' ')
        entry.remove_suffix(1);
    return std::string(entry);
}

RecipientList ParseRecipientList(std::string_view typed)
{
    typed = typed.substr(0, kRecipientListChars);
    RecipientList list;
    list.multiRecipient = typed.find(',') != std::string_view::npos;
    std::size_t start = 0;
    while (start <= typed.size()) {
        std::size_t comma = typed.find(',', start);
        if (comma == std::string_view::npos) comma = typed.size();
        std::string entry = CutRecipientEntry(typed.substr(start, comma - start));
        if (!entry.empty()) list.entries.push_back(std::move(entry));
        start = comma + 1;
    }
    return list;
}

} // namespace kivet
