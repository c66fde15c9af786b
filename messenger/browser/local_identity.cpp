#include "messenger/browser/local_identity.h"

#include <algorithm>
#include <string>

#include "common/fixed_text.h"
#include "messenger/browser/adapter_status_names.h"

namespace kivet {
namespace {

constexpr std::size_t kMaxListedAdapters = sizeof(NetworkState::adapterList) - 1;

NetBiosName NameOf(const TextCodec& codec, std::string_view ansi, uint8_t suffix)
{
    const std::string oem = codec.AnsiToOem(codec.Upper(ansi));
    return MakeNetBiosName(oem.c_str(), suffix);
}

// The workgroup from the local status of one adapter, in the ANSI code page and upper-case;
// empty when the adapter does not answer or lists none.
std::string WorkgroupOnAdapter(NetBios& netbios, uint8_t lana, const NetBiosName& computer, const TextCodec& codec)
{
    AdapterStatus status;
    if (netbios.QueryAdapterStatus(lana, computer, status) != kNrcGoodReturn) return {};
    const std::string oem = WorkgroupOf(status);
    return oem.empty() ? std::string() : codec.Upper(codec.OemToAnsi(oem));
}

// A duplicate in the local name table is a name this machine already holds, which is what the
// registration is for; anything else means the name could not be had.
bool Registered(uint8_t result)
{
    return result == kNrcGoodReturn || result == kNrcDuplicateName;
}

} // namespace

bool EnumerateAdapters(NetworkState& state, NetBios& netbios)
{
    std::vector<uint8_t> lanas;
    if (netbios.EnumerateAdapters(lanas) != kNrcGoodReturn) return false;
    if (lanas.size() > kMaxListedAdapters) lanas.resize(kMaxListedAdapters);
    std::fill(std::begin(state.adapterList), std::end(state.adapterList), uint8_t{0});
    state.adapterList[0] = static_cast<uint8_t>(lanas.size());
    for (std::size_t i = 0; i < lanas.size(); ++i)
        state.adapterList[1 + i] = lanas[i];
    state.adapter = lanas.empty() ? 0 : lanas[0];
    return true;
}

std::vector<uint8_t> ListedAdapters(const NetworkState& state)
{
    const std::size_t count = state.adapterList[0];
    return std::vector<uint8_t>(state.adapterList + 1, state.adapterList + 1 + count);
}

void ResetAdapters(const NetworkState& state, NetBios& netbios)
{
    for (uint8_t lana : ListedAdapters(state))
        netbios.Reset(lana);
}

void FillLocalNames(NetworkState& state, NetBios& netbios, LocalSystem& system, const TextCodec& codec)
{
    state.userName[0] = state.computerName[0] = state.workgroupName[0] = '\0';
    CopyCut(state.computerName, codec.Upper(system.ComputerName()));
    CopyCut(state.userName, codec.Upper(system.LogonName()));
    const std::string_view user = FieldText(state.userName);
    if (user.empty() || user == "GUEST") CopyCut(state.userName, FieldText(state.computerName));

    ResetAdapters(state, netbios);
    const NetBiosName computer = NameOf(codec, FieldText(state.computerName), ' ');
    for (uint8_t lana : ListedAdapters(state)) {
        const std::string workgroup = WorkgroupOnAdapter(netbios, lana, computer, codec);
        if (workgroup.empty()) continue;
        CopyCut(state.workgroupName, workgroup);
        state.adapter = lana;
        return;
    }
}

void RegisterLocalNames(NetworkState& state, NetBios& netbios, const TextCodec& codec)
{
    const uint8_t lana = state.adapter;
    if (!FieldText(state.workgroupName).empty())
        netbios.AddGroupName(lana, NameOf(codec, FieldText(state.workgroupName), kSuffixBrowser));
    if (!FieldText(state.computerName).empty())
        netbios.AddName(lana, NameOf(codec, FieldText(state.computerName), kSuffixMessenger));
    if (FieldText(state.userName).empty()) return;
    const uint8_t result = netbios.AddName(lana, NameOf(codec, FieldText(state.userName), kSuffixMessenger));
    if (!Registered(result)) CopyCut(state.userName, FieldText(state.computerName));
}

} // namespace kivet
