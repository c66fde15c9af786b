// The class object of CKivetSecure.
#include <windows.h>

#include <new>

#include "secure/com/kivet_secure.h"
#include "secure/com/module.h"

namespace kivet::secure::com {
namespace {

class ClassFactory : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv) return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *ppv = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    // The factory is static: its references hold the module instead.
    STDMETHODIMP_(ULONG) AddRef() override
    {
        LockModule();
        return 2;
    }
    STDMETHODIMP_(ULONG) Release() override
    {
        UnlockModule();
        return 1;
    }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override
    {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        CKivetSecure* object = new (std::nothrow) CKivetSecure();
        if (!object) return E_OUTOFMEMORY;
        HRESULT hr = object->QueryInterface(riid, ppv);
        object->Release();
        return hr;
    }
    STDMETHODIMP LockServer(BOOL lock) override
    {
        if (lock)
            LockModule();
        else
            UnlockModule();
        return S_OK;
    }
};

ClassFactory g_factory;

} // namespace
} // namespace kivet::secure::com

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv)
{
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (rclsid != CLSID_CKivetSecure) return CLASS_E_CLASSNOTAVAILABLE;
    return kivet::secure::com::g_factory.QueryInterface(riid, ppv);
}
