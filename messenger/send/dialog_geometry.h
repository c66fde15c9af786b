// The send dialog's geometry: where a control goes when the window is larger than its template,
// and where the window opens from the position and size saved last time.
#pragma once

#include <cstdint>

#include "messenger/runtime/registry_settings.h"

namespace kivet {

struct Box {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
};

// How a control follows the window's surplus over its template size: moved along with the right
// or bottom edge, or stretched by it.
struct Anchor {
    bool moveX = false, moveY = false, growX = false, growY = false;
};

// The control's box in a window surplusX wider and surplusY taller than the template (a negative
// surplus counts as none: the window is never smaller than its template).
Box FollowSurplus(const Box& original, Anchor anchor, int32_t surplusX, int32_t surplusY);

// The window's box when it opens: the template's box moved to the saved position and given the
// saved size, each only when saved; the size never below the template's, never above the work
// area, and the window moved into the work area when the saved place is off it (a screen that is
// gone, or values nobody should have written).
Box OpeningBox(const WindowPlacement& saved, const Box& created, const Box& workArea);

} // namespace kivet
