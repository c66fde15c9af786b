#include "messenger/browser/win32/network_state_win32.h"

#include <winsock.h>
#include <windows.h>
#include <nb30.h>

#include "common/fixed_text.h"
#include "messenger/browser/win32/system_netbios.h"

namespace kivet {
namespace {

struct NetworkStateWithSockets : NetworkState {
    WSADATA sockets{};
    bool socketsStarted = false;
};

} // namespace

NetworkState* CreateNetworkState()
{
    auto* state = new NetworkStateWithSockets();
    state->socketsStarted = WSAStartup(MAKEWORD(1, 1), &state->sockets) == 0;
    return state;
}

void DestroyNetworkState(NetworkState* state)
{
    if (!state) return;
    auto* full = static_cast<NetworkStateWithSockets*>(state);
    if (full->socketsStarted) WSACleanup();
    delete full;
}

bool ResetAdapterOnce(uint8_t lana)
{
    return SystemNetBios()->Reset(lana) == NRC_GOODRET;
}

bool EnumerateAdapters(NetworkState& state)
{
    NCB ncb{};
    ncb.ncb_command = NCBENUM;
    ncb.ncb_buffer = state.adapterList;
    ncb.ncb_length = sizeof state.adapterList;
    if (Netbios(&ncb) != NRC_GOODRET) return false;
    const LANA_ENUM* lanas = reinterpret_cast<const LANA_ENUM*>(state.adapterList);
    state.adapter = lanas->length > 0 ? lanas->lana[0] : 0;
    return true;
}

void FillLocalNames(NetworkState& state)
{
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof computer;
    if (GetComputerNameA(computer, &size)) CopyCut(state.computerName, computer);

    char user[256] = {};
    size = sizeof user;
    if (GetUserNameA(user, &size)) CopyCut(state.userName, user);
}

} // namespace kivet
