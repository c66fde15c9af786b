// Creating the process's NetworkState: Windows Sockets 1.1, the NetBIOS adapters and the local
// computer and user names.
#pragma once

#include <cstdint>

#include "messenger/browser/network_state.h"

namespace kivet {

// Starts Windows Sockets 1.1 and returns a zeroed record.
NetworkState* CreateNetworkState();
// Ends Windows Sockets and frees the record; a null record is ignored.
void DestroyNetworkState(NetworkState* state);

// NCBENUM into the record's adapter list; the first adapter becomes the one used. False when the
// call does not succeed.
bool EnumerateAdapters(NetworkState& state);

// Resets the adapter for this process the first time it is used (the system wants a reset before
// names are added); later calls do nothing, so names added since are kept. False when the reset
// failed, and then the adapter is not used. Shares its record of reset adapters with
// SystemNetBios().
bool ResetAdapterOnce(uint8_t lana);

// The local computer and logon names from the system, each cut to 15 characters.
void FillLocalNames(NetworkState& state);

} // namespace kivet
