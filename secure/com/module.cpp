#include "secure/com/module.h"

namespace kivet::secure::com {
namespace {
HINSTANCE g_instance = nullptr;
LONG g_locks = 0;
} // namespace

void SetModuleInstance(HINSTANCE instance)
{
    g_instance = instance;
}
HINSTANCE ModuleInstance()
{
    return g_instance;
}

void LockModule()
{
    InterlockedIncrement(&g_locks);
}
void UnlockModule()
{
    InterlockedDecrement(&g_locks);
}
bool ModuleInUse()
{
    return InterlockedCompareExchange(&g_locks, 0, 0) != 0;
}

} // namespace kivet::secure::com

STDAPI DllCanUnloadNow()
{
    return kivet::secure::com::ModuleInUse() ? S_FALSE : S_OK;
}
