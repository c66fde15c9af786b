// The one-off worker that fills the local network identity beside the starting main thread.
#pragma once

#include <windows.h>

namespace kivet {

// Starts the worker; returns its handle (kept for shutdown), or null when it could not start.
HANDLE StartStartupWorker();

} // namespace kivet
