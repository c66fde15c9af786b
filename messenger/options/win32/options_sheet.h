// The Options property sheet: ten pages that edit the settings and the personal lists.
#pragma once

#include <windows.h>

#include "messenger/options/options_context.h"
#include "messenger/options/options_pages.h"

namespace kivet {

// Runs the sheet modally over `owner`, starting at `firstPage`. Boxes that take effect at once,
// the language, the transfer folder and every list change are kept whatever closes the sheet;
// the other settings only with OK. The INI file is rewritten in every case.
OptionsResult ShowOptionsSheet(HWND owner, OptionsPage firstPage, OptionsContext& context);

} // namespace kivet
