// Self-registration of Secure.dll: the keys of the embedded registration script (resource 103)
// and the embedded type library. A failed registration removes what it wrote.
#include <windows.h>
#include <oleauto.h>
#include <olectl.h>

#include <string>

#include "secure/com/kivet_secure.h"
#include "secure/com/module.h"
#include "secure/registration_script.h"

namespace kivet::secure::com {
namespace {

constexpr WORD kScriptResource = 103;

std::string ModulePath()
{
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(ModuleInstance(), path, sizeof path);
    return n > 0 && n < sizeof path ? std::string(path, n) : std::string();
}

bool LoadScript(std::string& text)
{
    HRSRC found = FindResourceA(ModuleInstance(), MAKEINTRESOURCEA(kScriptResource), "REGISTRY");
    HGLOBAL loaded = found ? LoadResource(ModuleInstance(), found) : nullptr;
    const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (!data) return false;
    text.assign(data, SizeofResource(ModuleInstance(), found));
    return true;
}

bool LoadPlan(RegistrationPlan& plan)
{
    std::string path = ModulePath();
    std::string script;
    ScriptError error;
    return !path.empty() && LoadScript(script) && ParseRegistrationScript(script, {{"MODULE", path}}, plan, error);
}

// Deletes a key with its whole subtree (RegDeleteKey does not recurse on NT).
void DeleteKeyTree(HKEY root, const std::string& key)
{
    HKEY opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ | KEY_WRITE, &opened) != ERROR_SUCCESS) return;
    for (;;) {
        char child[256];
        DWORD size = sizeof child;
        if (RegEnumKeyExA(opened, 0, child, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        std::string childPath = key + "\\" + std::string(child, size);
        DeleteKeyTree(root, childPath);
        HKEY probe;
        if (RegOpenKeyExA(root, childPath.c_str(), 0, KEY_READ, &probe) == ERROR_SUCCESS) {
            RegCloseKey(probe); // could not be removed: stop rather than loop
            break;
        }
    }
    RegCloseKey(opened);
    RegDeleteKeyA(root, key.c_str());
}

void RemovePlan(const RegistrationPlan& plan)
{
    for (const std::string& key : plan.removableKeys)
        DeleteKeyTree(HKEY_CLASSES_ROOT, key);
}

bool WritePlan(const RegistrationPlan& plan)
{
    for (const std::string& key : plan.keys) {
        HKEY created;
        if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                            &created, nullptr) != ERROR_SUCCESS)
            return false;
        RegCloseKey(created);
    }
    for (const ScriptValue& v : plan.values) {
        HKEY opened;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, v.key.c_str(), 0, KEY_WRITE, &opened) != ERROR_SUCCESS) return false;
        LONG rc = RegSetValueExA(opened, v.name.empty() ? nullptr : v.name.c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(v.data.c_str()), static_cast<DWORD>(v.data.size() + 1));
        RegCloseKey(opened);
        if (rc != ERROR_SUCCESS) return false;
    }
    return true;
}

bool RegisterTypeLibrary()
{
    WCHAR widePath[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, ModulePath().c_str(), -1, widePath, MAX_PATH)) return false;
    ITypeLib* library = nullptr;
    if (FAILED(LoadTypeLibEx(widePath, REGKIND_REGISTER, &library))) return false;
    library->Release();
    return true;
}

} // namespace
} // namespace kivet::secure::com

using namespace kivet::secure;

STDAPI DllRegisterServer()
{
    RegistrationPlan plan;
    if (!com::LoadPlan(plan)) return SELFREG_E_CLASS;
    if (!com::WritePlan(plan)) {
        com::RemovePlan(plan);
        return SELFREG_E_CLASS;
    }
    if (!com::RegisterTypeLibrary()) {
        com::RemovePlan(plan);
        return SELFREG_E_TYPELIB;
    }
    return S_OK;
}

STDAPI DllUnregisterServer()
{
    RegistrationPlan plan;
    if (!com::LoadPlan(plan)) return SELFREG_E_CLASS;
    com::RemovePlan(plan);
    UnRegisterTypeLib(LIBID_SECURELib, 1, 1, 0x409, sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32);
    return S_OK;
}
