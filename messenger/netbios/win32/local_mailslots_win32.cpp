#include "messenger/netbios/win32/local_mailslots_win32.h"

#include <windows.h>

#include <string>

namespace kivet::nbt {

bool Win32LocalMailslots::Deliver(std::string_view leaf, const uint8_t* data, std::size_t size)
{
    const std::string path = "\\\\.\\mailslot\\" + std::string(leaf);
    const HANDLE mailslot = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (mailslot == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(mailslot, data, static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(mailslot);
    return ok && written == size;
}

} // namespace kivet::nbt
