#include "secure/com/kivet_secure.h"

#include <new>

#include "secure/cast128.h"
#include "secure/com/module.h"
#include "secure/com/module_state.h"

namespace kivet::secure::com {
namespace {

// The system's ANSI upper-case conversion, which the key tables compare names in.
void AnsiUpperCase(char* text, std::size_t length)
{
    CharUpperBuffA(text, static_cast<DWORD>(length));
}

ITypeInfo* LoadInterfaceTypeInfo()
{
    WCHAR path[MAX_PATH];
    if (!GetModuleFileNameW(ModuleInstance(), path, MAX_PATH)) return nullptr;
    ITypeLib* library = nullptr;
    if (FAILED(LoadTypeLibEx(path, REGKIND_NONE, &library))) return nullptr;
    ITypeInfo* info = nullptr;
    library->GetTypeInfoOfGuid(IID_IKivetSecure, &info);
    library->Release();
    return info;
}

// The interface's type information, loaded once from the module's own type library and kept
// for the module's life.
ITypeInfo* InterfaceTypeInfo()
{
    static ITypeInfo* const info = LoadInterfaceTypeInfo();
    return info;
}

// Runs a method body; nothing thrown below crosses the interface.
template <class Body> HRESULT Guarded(Body body)
{
    try {
        return body();
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT Result(bool ok)
{
    return ok ? S_OK : E_FAIL;
}

const char* Text(const unsigned char* text)
{
    return reinterpret_cast<const char*>(text);
}
void* Record(LONG* record)
{
    return record;
}

} // namespace

CKivetSecure::CKivetSecure() : messageKeys_(AnsiUpperCase), fileKeys_(AnsiUpperCase)
{
    LockModule();
}

CKivetSecure::~CKivetSecure()
{
    UnlockModule();
}

STDMETHODIMP CKivetSecure::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IKivetSecure) {
        *ppv = static_cast<IKivetSecure*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CKivetSecure::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

STDMETHODIMP_(ULONG) CKivetSecure::Release()
{
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

STDMETHODIMP CKivetSecure::GetTypeInfoCount(UINT* count)
{
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
}

STDMETHODIMP CKivetSecure::GetTypeInfo(UINT index, LCID, ITypeInfo** info)
{
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    ITypeInfo* loaded = InterfaceTypeInfo();
    if (!loaded) return E_FAIL;
    loaded->AddRef();
    *info = loaded;
    return S_OK;
}

STDMETHODIMP CKivetSecure::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    ITypeInfo* info = InterfaceTypeInfo();
    return info ? DispGetIDsOfNames(info, names, count, ids) : E_FAIL;
}

STDMETHODIMP CKivetSecure::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                  EXCEPINFO* exception, UINT* argError)
{
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    ITypeInfo* info = InterfaceTypeInfo();
    if (!info) return E_FAIL;
    return DispInvoke(static_cast<IKivetSecure*>(this), info, id, flags, params, result, exception, argError);
}

STDMETHODIMP CKivetSecure::EncryptBlock(unsigned char* pKey, unsigned char* pOutput, unsigned char* pInput)
{
    secure::EncryptBlock(pKey, pOutput, pInput);
    return S_OK;
}

STDMETHODIMP CKivetSecure::DecryptBlock(unsigned char* pKey, unsigned char* pOutput, unsigned char* pInput)
{
    secure::DecryptBlock(pKey, pOutput, pInput);
    return S_OK;
}

STDMETHODIMP CKivetSecure::GeneratePreKey(unsigned char* pPreKey)
{
    return Guarded([&] {
        Agreement().GeneratePreKey(pPreKey);
        return S_OK;
    });
}

STDMETHODIMP CKivetSecure::GenerateKey(unsigned char* pPeerPreKey, unsigned char* pKey)
{
    return Guarded([&] {
        Agreement().GenerateKey(pPeerPreKey, pKey);
        return S_OK;
    });
}

STDMETHODIMP CKivetSecure::AddMessageKey(unsigned char* szName, unsigned char* pKey)
{
    return Guarded(
        [&] { return messageKeys_.Add(Text(szName), pKey) == KeyTable::AddResult::Replaced ? E_FAIL : S_OK; });
}

STDMETHODIMP CKivetSecure::GetMessageKey(unsigned char* szName, unsigned char* pKey)
{
    return Guarded([&] { return Result(messageKeys_.Get(Text(szName), pKey)); });
}

STDMETHODIMP CKivetSecure::AddFileKey(unsigned char* szName, unsigned char* pKey)
{
    return Guarded([&] { return fileKeys_.Add(Text(szName), pKey) == KeyTable::AddResult::Replaced ? E_FAIL : S_OK; });
}

STDMETHODIMP CKivetSecure::GetFileKey(unsigned char* szName, unsigned char* pKey)
{
    return Guarded([&] { return Result(fileKeys_.Get(Text(szName), pKey)); });
}

STDMETHODIMP CKivetSecure::Initialize()
{
    return Guarded([&] {
        Agreement().Initialize(CurrentTimeSeed());
        return S_OK;
    });
}

STDMETHODIMP CKivetSecure::UnInitialize()
{
    return Guarded([&] {
        Agreement().UnInitialize();
        return S_OK;
    });
}

STDMETHODIMP CKivetSecure::ConnectToServer(unsigned char* szHost)
{
    return Guarded([&] { return Result(Slots().ConnectToServer(Text(szHost))); });
}

STDMETHODIMP CKivetSecure::SendData(LONG* pRecord)
{
    return Guarded([&] { return Result(Slots().SendData(Record(pRecord))); });
}

STDMETHODIMP CKivetSecure::DisconnectClient()
{
    Guarded([&] {
        Slots().DisconnectClient();
        return S_OK;
    });
    return S_OK;
}

STDMETHODIMP CKivetSecure::ConnectToServer2(unsigned char* szHost)
{
    return Guarded([&] { return Result(Slots().ConnectToServer2(Text(szHost))); });
}

STDMETHODIMP CKivetSecure::SendData2(LONG* pRecord)
{
    return Guarded([&] { return Result(Slots().SendData2(Record(pRecord))); });
}

STDMETHODIMP CKivetSecure::DisconnectClient2()
{
    Guarded([&] {
        Slots().DisconnectClient2();
        return S_OK;
    });
    return S_OK;
}

STDMETHODIMP CKivetSecure::CreateServer()
{
    return Guarded([&] { return Result(Slots().CreateServer()); });
}

STDMETHODIMP CKivetSecure::ListenServer()
{
    return Guarded([&] { return Result(Slots().ListenServer()); });
}

STDMETHODIMP CKivetSecure::AcceptServer()
{
    return Guarded([&] { return Result(Slots().AcceptServer()); });
}

STDMETHODIMP CKivetSecure::ReceiveData(LONG* pRecord)
{
    return Guarded([&] { return Result(Slots().ReceiveData(Record(pRecord))); });
}

STDMETHODIMP CKivetSecure::DisconnectServer()
{
    Guarded([&] {
        Slots().DisconnectServer();
        return S_OK;
    });
    return S_OK;
}

} // namespace kivet::secure::com
