#include "messenger/browser/text_format.h"

namespace kivet {

std::string FillPlaceholders(std::string_view format, std::initializer_list<std::string_view> args)
{
    std::string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        const char following = i + 1 < format.size() ? format[i + 1] : '\0';
        if (c != '%' || (following != 's' && following != 'd' && following != '%')) {
            out += c;
            continue;
        }
        ++i;
        if (following == '%') {
            out += '%';
        } else if (next != args.end()) {
            out += *next++;
        }
    }
    return out;
}

} // namespace kivet
