// What the loaded Secure.dll holds for all its objects: its instance handle and the lock count
// that tells the system whether the module may be unloaded.
#pragma once

#include <windows.h>

namespace kivet::secure::com {

void SetModuleInstance(HINSTANCE instance);
HINSTANCE ModuleInstance();

// Every live object and every server lock holds the module.
void LockModule();
void UnlockModule();
bool ModuleInUse();

} // namespace kivet::secure::com
