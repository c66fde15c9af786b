#include "messenger/options/hotkey_letters.h"

#include "common/fixed_text.h"

namespace kivet {
namespace {

constexpr std::size_t kDefaultLetter = 1; // "B"

} // namespace

std::string HotkeyLetterAt(long index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= kHotkeyLetterCount) index = kDefaultLetter;
    return std::string(1, static_cast<char>('A' + index));
}

std::size_t HotkeyLetterIndex(std::string_view stored)
{
    if (stored.size() != 1) return kDefaultLetter;
    char letter = AsciiUpper(stored[0]);
    if (letter < 'A' || letter > 'Z') return kDefaultLetter;
    return static_cast<std::size_t>(letter - 'A');
}

} // namespace kivet
