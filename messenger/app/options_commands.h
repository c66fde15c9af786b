// The Options sheet opened from the main window: the Options command (first page) and the
// toolbar drop-downs' "&Add new..." (Quick Answers or Auto-Replies page).
#pragma once

#include <windows.h>

#include "messenger/app/application.h"

namespace kivet {

// True when the command is one of those that open the sheet (and it was opened).
bool RunOptionsCommand(Application& app, WORD command);

} // namespace kivet
