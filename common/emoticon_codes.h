// The 42 emoticon codes in matching order and the picture file of each. The message view, the
// send dialog and the HTML history all match the same codes in the same order.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kivet {

constexpr int kEmoticonCount = 42;

// The code of emoticon n (1..42), e.g. "[:)]"; empty for any other n.
std::string_view EmoticonCode(int n);
// "emimg_01.gif" .. "emimg_42.gif"; empty for any other n.
std::string EmoticonPictureFile(int n);

// The emoticon whose code starts text at pos (case-sensitive, first in table order), or 0.
int EmoticonAt(std::string_view text, std::size_t pos);

} // namespace kivet
