// The one-off worker that fills the local network identity beside the starting main thread.
#pragma once

#include <windows.h>

#include "messenger/app/application.h"

namespace kivet {

// Registers the workstation's names with our NetBIOS, where the program runs its own (the system
// holds them otherwise): the start-up worker and send mode do it before the local names are read.
void RegisterOwnNames(Application& app);

// Starts the worker; returns its handle (kept for shutdown), or null when it could not start.
HANDLE StartStartupWorker(Application& app);

} // namespace kivet
