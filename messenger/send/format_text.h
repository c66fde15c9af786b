// Fills the "%s" and "%d" places of a string-table text. The texts come from the resources or a
// language pack, so they are never handed to printf: an unexpected conversion in a text cannot
// read arguments that are not there.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kivet {

// Replaces each "%s" or "%d", in order, with the next argument (numbers are passed as text), and
// "%%" with "%". Places without an argument become empty; any other "%" stays as it is.
std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args);

} // namespace kivet
