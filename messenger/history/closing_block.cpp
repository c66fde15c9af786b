#include "messenger/history/closing_block.h"

#include "messenger/history/history_blocks.h"

namespace kivet {
namespace {

constexpr std::string_view kTableEnd = "</table>\r\n";
// The closing block without its last line end, which blanks after it may have replaced.
constexpr std::string_view kClosingWithoutLineEnd = kHistoryClosingBlock.substr(0, kHistoryClosingBlock.size() - 2);

bool EndsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

std::string_view WithoutTrailingBlanks(std::string_view text)
{
    while (!text.empty()) {
        char c = text.back();
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') break;
        text.remove_suffix(1);
    }
    return text;
}

// The length of the longest proper beginning of the closing block that ends the tail right after
// the end of a table, or 0.
std::size_t CutClosingBlockLength(std::string_view tail)
{
    for (std::size_t len = kHistoryClosingBlock.size() - 1; len > 0; --len) {
        if (!EndsWith(tail, kHistoryClosingBlock.substr(0, len))) continue;
        if (EndsWith(tail.substr(0, tail.size() - len), kTableEnd)) return len;
    }
    return 0;
}

} // namespace

HistoryWritePlace FindHistoryWritePlace(uint64_t fileSize, std::string_view tail)
{
    if (fileSize == 0) return {0, true};
    if (tail.size() > fileSize) tail = tail.substr(tail.size() - static_cast<std::size_t>(fileSize));
    if (EndsWith(tail, kHistoryClosingBlock)) return {fileSize - kHistoryClosingBlock.size(), false};

    std::string_view trimmed = WithoutTrailingBlanks(tail);
    if (EndsWith(trimmed, kClosingWithoutLineEnd)) {
        uint64_t blanks = tail.size() - trimmed.size();
        return {fileSize - blanks - kClosingWithoutLineEnd.size(), false};
    }
    if (std::size_t cut = CutClosingBlockLength(tail)) return {fileSize - cut, false};
    return {fileSize, false};
}

} // namespace kivet
