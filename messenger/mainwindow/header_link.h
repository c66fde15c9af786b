// Where the sender's name stands in the main window's header, so that exactly it becomes a link.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace kivet {

struct TextSpan {
    std::size_t start = 0;
    std::size_t length = 0;
};

// The header is the format ("Message from %s to %s") with the sender in its first "%s". The span
// of the sender in the formatted text; nothing when the format has no "%s" before any other
// conversion, or the sender is empty.
std::optional<TextSpan> SenderSpan(std::string_view format, std::string_view sender);

} // namespace kivet
