#include "messenger/send/format_text.h"

namespace kivet {

std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args)
{
    std::string out;
    const std::string_view* next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        const char following = i + 1 < format.size() ? format[i + 1] : '\0';
        if (c != '%' || (following != 's' && following != 'd' && following != '%')) {
            out.push_back(c);
            continue;
        }
        ++i;
        if (following == '%') {
            out.push_back('%');
        } else if (next != args.end()) {
            out.append(*next);
            ++next;
        }
    }
    return out;
}

} // namespace kivet
