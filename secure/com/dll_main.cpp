// Entry point of Secure.dll: only remembers the module handle (nothing else is safe under the
// loader lock).
#include <windows.h>

#include "secure/com/module.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        kivet::secure::com::SetModuleInstance(instance);
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
