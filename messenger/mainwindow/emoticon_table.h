// The 42 emoticons of the rich-text views: the codes and picture files (common/emoticon_codes.h),
// with the bitmap resources and picker cells of the message view and the send dialog.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/emoticon_codes.h"

namespace kivet {

constexpr uint32_t kFirstEmoticonBitmap = 7233;
constexpr int kPickerColumns = 6;
constexpr int kPickerRows = 7;
constexpr int kPickerCell = 30;

uint32_t EmoticonBitmap(int n);

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
