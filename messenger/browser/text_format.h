// Fills "%s" and "%d" placeholders of a string-table text with ready-made texts, in order. The
// format comes from a resource module that may be a language pack, so a placeholder with no
// argument left becomes empty instead of reading past the arguments.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kivet {

// "%%" stands for "%"; any other "%" sequence is copied as it stands.
std::string FillPlaceholders(std::string_view format, std::initializer_list<std::string_view> args);

} // namespace kivet
