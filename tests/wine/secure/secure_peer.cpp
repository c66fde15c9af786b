// A second process for the Secure tests: serves one connection on the server slot, receives one
// record and exits 0 when it carries the expected pattern.
#include <windows.h>
#include <ole2.h>

#include <vector>

#include "secure/kivet_secure_idl.h"

int main()
{
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IKivetSecure* secure = nullptr;
    if (FAILED(CoCreateInstance(CLSID_CKivetSecure, nullptr, CLSCTX_INPROC_SERVER, IID_IKivetSecure,
                                reinterpret_cast<void**>(&secure))))
        return 2;
    secure->Initialize();
    int verdict = 3;
    if (secure->CreateServer() == S_OK && secure->ListenServer() == S_OK && secure->AcceptServer() == S_OK) {
        std::vector<LONG> record(5348 / 4);
        verdict = 4;
        if (secure->ReceiveData(record.data()) == S_OK) {
            const unsigned char* bytes = reinterpret_cast<const unsigned char*>(record.data());
            verdict = 0;
            for (int i = 0; i < 5348; ++i)
                if (bytes[i] != static_cast<unsigned char>(i * 7 + 3)) verdict = 5;
        }
    }
    secure->DisconnectServer();
    secure->UnInitialize();
    secure->Release();
    CoUninitialize();
    return verdict;
}
