#include "messenger/lists/win32/netbios_names.h"

#include <windows.h>
#include <nb30.h>

#include <cstring>

#include "messenger/browser/win32/network_state_win32.h"
#include "messenger/runtime/win32/program_state.h"

namespace kivet {
namespace {

UCHAR NameCommand(UCHAR command, UCHAR lana, const std::array<char, 16>& name)
{
    NCB ncb{};
    ncb.ncb_command = command;
    ncb.ncb_lana_num = lana;
    std::memcpy(ncb.ncb_name, name.data(), NCBNAMSZ);
    return Netbios(&ncb);
}

// The command on every adapter the start-up enumeration found; without a network nothing is sent.
void OnEveryAdapter(UCHAR command, const std::array<char, 16>& name)
{
    NetworkState* network = Program().network;
    if (!network) return;
    const LANA_ENUM* lanas = reinterpret_cast<const LANA_ENUM*>(network->adapterList);
    for (UCHAR i = 0; i < lanas->length && i < MAX_LANA; ++i) {
        if (!ResetAdapterOnce(lanas->lana[i])) continue;
        NameCommand(command, lanas->lana[i], name);
    }
}

} // namespace

// Added as a group name: a unique name is defended across the network, so only the first of
// several users away at the same time would be marked. Scans look only at the suffix byte.
void Win32NetBiosNames::AddName(const std::array<char, 16>& name)
{
    OnEveryAdapter(NCBADDGRNAME, name);
}

void Win32NetBiosNames::DeleteName(const std::array<char, 16>& name)
{
    OnEveryAdapter(NCBDELNAME, name);
}

} // namespace kivet
