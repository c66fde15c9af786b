// CKivetSecure: the Secure component's one creatable class. Each method hands its raw buffers to
// the portable cipher, key agreement, key tables and connection slots and maps the outcome to
// S_OK or E_FAIL; no exception leaves a method.
#pragma once

#include <windows.h>

#include "secure/key_table.h"
#include "secure/kivet_secure_idl.h"

namespace kivet::secure::com {

class CKivetSecure : public IKivetSecure {
public:
    CKivetSecure();
    virtual ~CKivetSecure();
    CKivetSecure(const CKivetSecure&) = delete;
    CKivetSecure& operator=(const CKivetSecure&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch, from the embedded type library
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override;

    // IKivetSecure
    STDMETHODIMP EncryptBlock(unsigned char* pKey, unsigned char* pOutput, unsigned char* pInput) override;
    STDMETHODIMP DecryptBlock(unsigned char* pKey, unsigned char* pOutput, unsigned char* pInput) override;
    STDMETHODIMP GeneratePreKey(unsigned char* pPreKey) override;
    STDMETHODIMP GenerateKey(unsigned char* pPeerPreKey, unsigned char* pKey) override;
    STDMETHODIMP AddMessageKey(unsigned char* szName, unsigned char* pKey) override;
    STDMETHODIMP GetMessageKey(unsigned char* szName, unsigned char* pKey) override;
    STDMETHODIMP Initialize() override;
    STDMETHODIMP UnInitialize() override;
    STDMETHODIMP ConnectToServer(unsigned char* szHost) override;
    STDMETHODIMP SendData(LONG* pRecord) override;
    STDMETHODIMP ReceiveData(LONG* pRecord) override;
    STDMETHODIMP ListenServer() override;
    STDMETHODIMP AcceptServer() override;
    STDMETHODIMP DisconnectClient() override;
    STDMETHODIMP CreateServer() override;
    STDMETHODIMP SendData2(LONG* pRecord) override;
    STDMETHODIMP ConnectToServer2(unsigned char* szHost) override;
    STDMETHODIMP DisconnectClient2() override;
    STDMETHODIMP DisconnectServer() override;
    STDMETHODIMP AddFileKey(unsigned char* szName, unsigned char* pKey) override;
    STDMETHODIMP GetFileKey(unsigned char* szName, unsigned char* pKey) override;

private:
    LONG references_ = 1;
    KeyTable messageKeys_;
    KeyTable fileKeys_;
};

} // namespace kivet::secure::com
