#include "messenger/netbios/win32/netbios_choice.h"

#include <windows.h>
#include <nb30.h>

namespace kivet::nbt {

NetBiosChoice ChooseNetBios()
{
    if (IsRunningUnderWine()) return NetBiosChoice::OwnUnderWine;
    if (!SystemHasNetBiosAdapter()) return NetBiosChoice::OwnNoAdapter;
    return NetBiosChoice::System;
}

bool IsRunningUnderWine()
{
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool SystemHasNetBiosAdapter()
{
    LANA_ENUM lanas{};
    NCB ncb{};
    ncb.ncb_command = NCBENUM;
    ncb.ncb_buffer = reinterpret_cast<PUCHAR>(&lanas);
    ncb.ncb_length = sizeof lanas;
    return Netbios(&ncb) == NRC_GOODRET && lanas.length > 0;
}

const char* NetBiosChoiceText(NetBiosChoice choice)
{
    switch (choice) {
    case NetBiosChoice::OwnUnderWine: return "Using the program's own NetBIOS over TCP/IP (running under Wine)";
    case NetBiosChoice::OwnNoAdapter:
        return "Using the program's own NetBIOS over TCP/IP (the system lists no NetBIOS adapter)";
    case NetBiosChoice::System: break;
    }
    return "Using the system's NetBIOS";
}

} // namespace kivet::nbt
