// The 16x16 pictures of the names tree, as one image list for the whole program.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace kivet {

// Builds the list from the bitmap strip (magenta is transparent); null when it cannot be built.
HIMAGELIST CreateTreeImageList(HINSTANCE instance);

} // namespace kivet
