// Enciphers 64 MiB the way the program's callers do: one IKivetSecure::EncryptBlock call per
// 8-byte block, the key passed with every call.
//   secure_bench [MiB]
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "secure/kivet_secure_idl.h"

int main(int argc, char** argv)
{
    std::size_t mib = argc > 1 ? static_cast<std::size_t>(std::atoi(argv[1])) : 64;
    if (mib == 0) mib = 64;
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IKivetSecure* secure = nullptr;
    if (FAILED(CoCreateInstance(CLSID_CKivetSecure, nullptr, CLSCTX_INPROC_SERVER, IID_IKivetSecure,
                                reinterpret_cast<void**>(&secure)))) {
        std::fprintf(stderr, "Secure.dll is not registered\n");
        return 1;
    }
    std::vector<unsigned char> data(mib << 20);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<unsigned char>(i * 131 + 7);
    unsigned char key[16];
    for (int i = 0; i < 16; ++i)
        key[i] = static_cast<unsigned char>(i * 17 + 1);

    LARGE_INTEGER freq, t0, t1;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&t0);
    for (std::size_t off = 0; off < data.size(); off += 8)
        secure->EncryptBlock(key, &data[off], &data[off]);
    QueryPerformanceCounter(&t1);
    double seconds = static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(freq.QuadPart);
    std::printf("IKivetSecure::EncryptBlock, one call per block: %zu MiB in %.3f s = %.1f MB/s\n", mib, seconds,
                static_cast<double>(data.size()) / seconds / 1e6);
    secure->Release();
    CoUninitialize();
    return 0;
}
