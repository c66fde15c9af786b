#include "messenger/mainwindow/emoticon_table.h"

namespace kivet {

uint32_t EmoticonBitmap(int n)
{
    return n >= 1 && n <= kEmoticonCount ? kFirstEmoticonBitmap + static_cast<uint32_t>(n - 1) : 0;
}

int PickerEntryAt(int x, int y)
{
    if (x < 0 || y < 0 || x >= kPickerColumns * kPickerCell || y >= kPickerRows * kPickerCell) return 0;
    return x / kPickerCell + kPickerColumns * (y / kPickerCell) + 1;
}

} // namespace kivet
