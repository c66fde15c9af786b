// The hidden top-level window of the program's own class: it owns the process-wide resources,
// builds the main window on creation and answers later starts of the program.
#pragma once

#include <windows.h>

#include "messenger/app/application.h"

namespace kivet {

// Registers the class and creates the hidden window; false when either fails.
bool CreateFrameWindow(Application& app);

} // namespace kivet
