#include "messenger/clients/win32/secure_component.h"

#include <winsock2.h>

namespace kivet {
namespace {

void ShowStopBox(const ShowBoxFunction& showBox, const char* text)
{
    if (showBox) showBox(BoxSpec{text, kSecureStartCaption, BoxButtons::Ok, BoxIcon::Stop});
}

void StartSocketsAndCom(SecureComponent& component)
{
    WSADATA data;
    component.socketsStarted = WSAStartup(MAKEWORD(1, 1), &data) == 0;
    // S_FALSE (COM already started on this thread) still needs its CoUninitialize.
    component.comStarted = SUCCEEDED(CoInitialize(nullptr));
}

void ReleaseInterfaces(SecureComponent& component)
{
    if (component.secure) component.secure->Release();
    if (component.unknown) component.unknown->Release();
    component.secure = nullptr;
    component.unknown = nullptr;
}

} // namespace

bool StartSecureComponent(SecureComponent& component, const ShowBoxFunction& showBox)
{
    StartSocketsAndCom(component);
    if (FAILED(CoCreateInstance(CLSID_CKivetSecure, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                reinterpret_cast<void**>(&component.unknown)))) {
        component.unknown = nullptr;
        ShowStopBox(showBox, kSecureClassMissingText);
        return false;
    }
    if (FAILED(component.unknown->QueryInterface(IID_IKivetSecure, reinterpret_cast<void**>(&component.secure)))) {
        component.secure = nullptr;
        ShowStopBox(showBox, kSecureInterfaceMissingText);
        ReleaseInterfaces(component);
        return false;
    }
    component.secure->Initialize();
    return true;
}

void StopSecureComponent(SecureComponent& component)
{
    if (component.secure) component.secure->UnInitialize();
    ReleaseInterfaces(component);
    if (component.comStarted) CoUninitialize();
    if (component.socketsStarted) WSACleanup();
    component.comStarted = false;
    component.socketsStarted = false;
}

} // namespace kivet
