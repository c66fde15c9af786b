#include "messenger/runtime/text_table.h"

namespace kivet {
namespace {

struct IdRange {
    uint16_t first, last;
};

const IdRange k100[] = {{114, 115}, {120, 122}, {137, 137}, {212, 212}, {238, 240}, {261, 265}, {267, 267}, {275, 282}};
const IdRange k150[] = {{132, 136}, {138, 179}, {182, 184}, {186, 187}, {189, 194}, {196, 197}, {199, 219}, {228, 229},
                        {231, 236}, {241, 241}, {243, 253}, {257, 260}, {266, 266}, {268, 273}, {283, 284}, {444, 444}};
const IdRange k200[] = {{110, 112}, {118, 119}, {123, 131}, {180, 181}, {188, 188}, {195, 195}, {198, 198}, {220, 222},
                        {226, 227}, {230, 230}, {237, 237}, {242, 242}, {254, 256}, {274, 274}, {500, 501}};

template <std::size_t N> bool InRanges(const IdRange (&ranges)[N], uint32_t id)
{
    for (const IdRange& r : ranges)
        if (id >= r.first && id <= r.last) return true;
    return false;
}

// Ids 110..501 map to slots of the largest buffer size, which keeps lookup trivial.
constexpr uint32_t kFirstId = 110;
constexpr uint32_t kLastId = 501;
constexpr std::size_t kSlot = 200;

} // namespace

std::size_t TextBufferSize(uint32_t id)
{
    if (InRanges(k100, id)) return 100;
    if (InRanges(k150, id)) return 150;
    if (InRanges(k200, id)) return 200;
    return 0;
}

TextTable::TextTable() : storage_(new char[(kLastId - kFirstId + 1) * kSlot]()), text212Long_() {}

char* TextTable::Slot(uint32_t id)
{
    return storage_.get() + (id - kFirstId) * kSlot;
}

void TextTable::Fill(StringSource& source)
{
    for (uint32_t id = kFirstId; id <= kLastId; ++id) {
        std::size_t size = TextBufferSize(id);
        if (size == 0) continue;
        char* slot = Slot(id);
        slot[0] = '\0';
        source.Load(id, slot, size);
    }
    text212Long_[0] = '\0';
    source.Load(212, text212Long_, sizeof text212Long_);
}

const char* TextTable::Text(uint32_t id) const
{
    if (id < kFirstId || id > kLastId || TextBufferSize(id) == 0) return "";
    return storage_.get() + (id - kFirstId) * kSlot;
}

TextTable& ProcessTexts()
{
    static TextTable table;
    return table;
}

} // namespace kivet
