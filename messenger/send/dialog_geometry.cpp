#include "messenger/send/dialog_geometry.h"

#include <algorithm>

namespace kivet {

Box FollowSurplus(const Box& original, Anchor anchor, int32_t surplusX, int32_t surplusY)
{
    surplusX = std::max<int32_t>(surplusX, 0);
    surplusY = std::max<int32_t>(surplusY, 0);
    Box box = original;
    if (anchor.moveX) {
        box.left += surplusX;
        box.right += surplusX;
    } else if (anchor.growX) {
        box.right += surplusX;
    }
    if (anchor.moveY) {
        box.top += surplusY;
        box.bottom += surplusY;
    } else if (anchor.growY) {
        box.bottom += surplusY;
    }
    return box;
}

namespace {

// A length between the least and the most, the most winning when they cross.
int32_t Bounded(int64_t length, int32_t least, int32_t most)
{
    return static_cast<int32_t>(std::min<int64_t>(std::max<int64_t>(length, least), std::max(most, least)));
}

// The start of a span of the given length kept inside [first, end) as far as it fits.
int32_t Inside(int64_t start, int32_t length, int32_t first, int32_t end)
{
    const int64_t last = static_cast<int64_t>(end) - length;
    return static_cast<int32_t>(std::max<int64_t>(std::min<int64_t>(start, last), first));
}

} // namespace

Box OpeningBox(const WindowPlacement& saved, const Box& created, const Box& workArea)
{
    int32_t width = created.Width(), height = created.Height();
    if (saved.hasSize) {
        width = Bounded(saved.width, created.Width(), workArea.Width());
        height = Bounded(saved.height, created.Height(), workArea.Height());
    }
    int64_t left = created.left, top = created.top;
    if (saved.hasPosition) {
        left = saved.x;
        top = saved.y;
    }
    Box box;
    box.left = Inside(left, width, workArea.left, workArea.right);
    box.top = Inside(top, height, workArea.top, workArea.bottom);
    box.right = box.left + width;
    box.bottom = box.top + height;
    return box;
}

} // namespace kivet
