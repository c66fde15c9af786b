// The Settings page's hotkey letter list: "A" to "Z", used with Ctrl+Alt.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kivet {

constexpr std::size_t kHotkeyLetterCount = 26;

// The letter at a list position ("A" for 0); "B" for a position outside the list.
std::string HotkeyLetterAt(long index);

// The list position of a stored letter, compared without regard to case as the list box does;
// "B" when nothing is stored or the value is not one letter of the list.
std::size_t HotkeyLetterIndex(std::string_view stored);

} // namespace kivet
