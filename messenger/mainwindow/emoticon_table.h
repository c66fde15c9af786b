// The 42 emoticons: their codes in matching order, bitmap resources, picker cells and the picture
// files of the HTML history. One table serves the message view, the send dialog and the history.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kivet {

constexpr int kEmoticonCount = 42;
constexpr uint32_t kFirstEmoticonBitmap = 7233;
constexpr int kPickerColumns = 6;
constexpr int kPickerRows = 7;
constexpr int kPickerCell = 30;

// The code of emoticon n (1..42), e.g. "[:)]".
std::string_view EmoticonCode(int n);
uint32_t EmoticonBitmap(int n);
// "emimg_01.gif" .. "emimg_42.gif".
std::string EmoticonPictureFile(int n);

// The emoticon whose code starts text at pos (case-sensitive, first in table order), or 0.
int EmoticonAt(std::string_view text, std::size_t pos);

// A code found in a text, at its position in the text.
struct FoundEmoticon {
    std::size_t position;        // in the text, counting a line break as its two characters
    std::size_t controlPosition; // in a rich-edit control, which counts a line break as one
    int n;
};

// Every code of the text, left to right, none overlapping. A code split by a line break is text.
template <class Visitor> void FindEmoticons(std::string_view text, Visitor visit);

// The picker's cell under a point of the grid: entry 1..42, or 0 outside the grid.
int PickerEntryAt(int x, int y);

} // namespace kivet

namespace kivet {

template <class Visitor> void FindEmoticons(std::string_view text, Visitor visit)
{
    std::size_t lineBreaks = 0;
    for (std::size_t p = 0; p < text.size(); ++p) {
        if (text[p] == '\r' && p + 1 < text.size() && text[p + 1] == '\n') ++lineBreaks;
        int n = EmoticonAt(text, p);
        if (n == 0) continue;
        visit(FoundEmoticon{p, p - lineBreaks, n});
        p += EmoticonCode(n).size() - 1;
    }
}

} // namespace kivet
