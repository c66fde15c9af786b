#include "messenger/mainwindow/header_link.h"

namespace kivet {

std::optional<TextSpan> SenderSpan(std::string_view format, std::string_view sender)
{
    if (sender.empty()) return std::nullopt;
    std::size_t printed = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            ++printed;
            continue;
        }
        if (i + 1 >= format.size()) return std::nullopt;
        if (format[i + 1] == '%') {
            ++printed;
            ++i;
            continue;
        }
        if (format[i + 1] == 's') return TextSpan{printed, sender.size()};
        return std::nullopt; // another conversion comes first
    }
    return std::nullopt;
}

} // namespace kivet
