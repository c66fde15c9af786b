// What the pages of one open Options sheet share.
#pragma once

#include <windows.h>

#include "messenger/options/option_changes.h"
#include "messenger/options/options_context.h"
#include "messenger/options/options_pages.h"

namespace kivet {

struct SheetState {
    SheetState(OptionsContext& c) : context(c), changes(c.settings) {}

    OptionsContext& context;
    OptionChanges changes;
    HWND pages[kOptionsPageCount] = {}; // the pages created so far
    bool confirmed = false;             // OK was pressed
    bool storedValuesChanged = false;   // a registry-backed setting or the language changed
};

} // namespace kivet
