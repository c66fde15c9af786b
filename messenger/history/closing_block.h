// Where the next entry of an existing history file goes. A file the program wrote ends with the
// closing block, which the entry overwrites. A file that was cut short, edited by hand or is not
// a history file at all is never overwritten beyond the program's own closing bytes: the entry
// then goes after everything the file holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kivet {

// How much of the file's end is read to find the closing block.
constexpr std::size_t kHistoryTailWindow = 4096;

struct HistoryWritePlace {
    uint64_t offset = 0; // where the next block is written
    bool empty = false;  // the file holds nothing: it gets a head block like a new file
};

// tail is the file's last min(fileSize, kHistoryTailWindow) bytes.
//  - ends with the closing block: at its start;
//  - ends with the closing block and then only blanks or line ends (an editor added them): at the
//    closing block's start, and the file is cut after the new closing block;
//  - ends with the first bytes of a closing block directly after the end of a table (the file was
//    cut while the closing block was written): at the start of those bytes;
//  - otherwise at the end of the file.
HistoryWritePlace FindHistoryWritePlace(uint64_t fileSize, std::string_view tail);

} // namespace kivet
