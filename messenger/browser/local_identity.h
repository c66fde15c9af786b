// The local network identity in NetworkState: the adapters, the user, computer and workgroup
// names, and their registration as NetBIOS names.
#pragma once

#include <cstdint>
#include <vector>

#include "common/text_codec.h"
#include "messenger/browser/local_system.h"
#include "messenger/browser/netbios.h"
#include "messenger/browser/network_state.h"

namespace kivet {

// NCBENUM into the adapter list (a count byte and the adapter numbers); the first adapter becomes
// the chosen one. False when the command fails.
bool EnumerateAdapters(NetworkState& state, NetBios& netbios);

// The adapter numbers the list holds, in list order.
std::vector<uint8_t> ListedAdapters(const NetworkState& state);

// Resets every listed adapter. Pass the process's ResetOnceNetBios so that names registered
// before survive.
void ResetAdapters(const NetworkState& state, NetBios& netbios);

// Fills the user, computer and workgroup names (upper-case, at most 15 characters each) and
// chooses the adapter: the first one whose local status lists a registered group name with
// suffix 0x00, which is the workgroup. A logon name that is empty or "GUEST" is replaced by the
// computer name.
void FillLocalNames(NetworkState& state, NetBios& netbios, LocalSystem& system, const TextCodec& codec);

// Registers the workgroup (group name, suffix 0x1E), the computer and the user (unique names,
// suffix 0x03) on the chosen adapter. A user name the network refuses becomes the computer name.
void RegisterLocalNames(NetworkState& state, NetBios& netbios, const TextCodec& codec);

} // namespace kivet
