#include "messenger/browser/win32/netbios_names.h"

#include <windows.h>
#include <nb30.h>

#include <cstring>

#include "messenger/runtime/win32/program_state.h"

namespace kivet {
namespace {

// One name command on the adapter chosen at start-up; without a network nothing is sent.
void NameCommand(UCHAR command, const std::array<char, 16>& name)
{
    const NetworkState* network = Program().network;
    if (!network) return;
    NCB ncb{};
    ncb.ncb_command = command;
    ncb.ncb_lana_num = network->adapter;
    std::memcpy(ncb.ncb_name, name.data(), NCBNAMSZ);
    Netbios(&ncb);
}

} // namespace

void Win32NetBiosNames::AddUniqueName(const std::array<char, 16>& name)
{
    NameCommand(NCBADDNAME, name);
}

void Win32NetBiosNames::DeleteName(const std::array<char, 16>& name)
{
    NameCommand(NCBDELNAME, name);
}

} // namespace kivet
