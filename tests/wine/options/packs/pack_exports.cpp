// The exports of the test language packs. One source serves every variant: a good pack, one
// without IsKivetLanguagePack, one that answers 0, and one without GetLibraryInstance.
#include <windows.h>

namespace {
HINSTANCE g_instance = nullptr;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_instance = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

#ifndef KIVET_PACK_WITHOUT_CHECK
// With an owner window the pack describes itself, as a shipped pack does.
extern "C" __declspec(dllexport) int __cdecl IsKivetLanguagePack(HWND owner)
{
#ifdef KIVET_PACK_REFUSES
    (void)owner;
    return 0;
#else
    if (owner)
        MessageBoxA(owner, "Test Language Pack for Kivet Secure Messenger\nVersion 1.0", "Description",
                    MB_OK | MB_ICONINFORMATION);
    return 1;
#endif
}
#endif

#ifndef KIVET_PACK_WITHOUT_INSTANCE
extern "C" __declspec(dllexport) HINSTANCE __cdecl GetLibraryInstance()
{
    return g_instance;
}
#endif
