// The one-off worker that fills the local network identity beside the starting main thread.
#pragma once

#include <windows.h>

#include "messenger/app/application.h"

namespace kivet {

// Starts the worker; returns its handle (kept for shutdown), or null when it could not start.
HANDLE StartStartupWorker(Application& app);

} // namespace kivet
