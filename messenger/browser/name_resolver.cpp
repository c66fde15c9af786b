#include "messenger/browser/name_resolver.h"

#include <algorithm>
#include <string>

#include "common/fixed_text.h"
#include "messenger/browser/adapter_status_names.h"
#include "messenger/browser/name_checks.h"
#include "messenger/runtime/action_log.h"

namespace kivet {
namespace {

uint8_t SuffixOf(ResolveService service)
{
    switch (service) {
    case ResolveService::SecondMessenger: return kSuffixSecondMessenger;
    case ResolveService::Workgroup: return kSuffixBrowser;
    case ResolveService::Messenger: break;
    }
    return kSuffixMessenger;
}

// The first registered unique name with suffix 0x00: the name a computer answers to.
std::string WorkstationNameOf(const AdapterStatus& status)
{
    for (const AdapterStatusName& entry : status.names) {
        const bool unique = (entry.flags & kNameFlagGroup) == 0;
        if (unique && IsRegisteredName(entry.flags) && NetBiosSuffix(entry.name) == kSuffixWorkstation)
            return NetBiosNameText(entry.name);
    }
    return {};
}

} // namespace

bool NameResolver::FindName(uint8_t lana, const NetBiosName& name, std::array<uint8_t, 6>& sourceAddress)
{
    for (int attempt = 0; attempt < kFindNameAttempts; ++attempt)
        if (netbios_.FindName(lana, name, sourceAddress) == kNrcGoodReturn) return true;
    return false;
}

bool NameResolver::ResolveName(uint8_t lana, std::string_view name, ResolveService service,
                               ResolutionRecord& record)
{
    log_.Write("Query name on the network...");
    std::string asked(name.substr(0, std::min<std::size_t>(name.find('\0'), name.size())));
    if (IsAddress(asked)) {
        const std::string host = ComputerNameOfHost(hosts_.NameOfAddress(asked));
        if (!host.empty()) asked = host;
    }
    const std::string askedOem = codec_.AnsiToOem(codec_.Upper(asked));
    std::array<uint8_t, 6> source{};
    bool found = FindName(lana, MakeNetBiosName(askedOem.c_str(), SuffixOf(service)), source);
    if (found) {
        const std::string ip = IpAddressText(source);
        std::string computer = ComputerNameOfHost(hosts_.NameOfAddress(ip));
        kivet::AdapterStatus status;
        // Without a host name for the address the computer is asked by its address, and its
        // name is what it answers to.
        found = QueryStatus(lana, computer.empty() ? ip : computer, status);
        if (found && computer.empty()) computer = codec_.Upper(codec_.OemToAnsi(WorkstationNameOf(status)));
        if (found) FillRecord(status, computer, service == ResolveService::Messenger ? askedOem : "", ip, record);
    }
    log_.Write("Query name on the network complete.");
    return found;
}

bool NameResolver::AdapterStatus(uint8_t lana, std::string_view computer, ResolutionRecord& record)
{
    kivet::AdapterStatus status;
    if (!QueryStatus(lana, computer, status)) return false;
    const std::string upper = codec_.Upper(computer);
    FillRecord(status, upper, "", hosts_.AddressOfName(upper), record);
    return true;
}

bool NameResolver::QueryStatus(uint8_t lana, std::string_view computer, kivet::AdapterStatus& status)
{
    if (computer.empty()) return false;
    const std::string oem = codec_.AnsiToOem(codec_.Upper(computer));
    return netbios_.QueryAdapterStatus(lana, MakeNetBiosName(oem.c_str(), ' '), status) == kNrcGoodReturn;
}

// The user is the asked name when the computer holds it as a user, otherwise the first user
// logged on at the computer.
void NameResolver::FillRecord(const kivet::AdapterStatus& status, std::string_view computer,
                              std::string_view askedUser, std::string_view ip, ResolutionRecord& record)
{
    record = ResolutionRecord{};
    const std::string computerOem = codec_.AnsiToOem(computer);
    const std::vector<std::string> users = LoggedOnUsersOf(status, computerOem);
    std::string user = users.empty() ? std::string() : users.front();
    for (const std::string& candidate : users)
        if (EqualsNoCase(candidate, askedUser)) user = candidate;
    CopyCut(record.computerName, computer);
    CopyCut(record.userName, codec_.Upper(codec_.OemToAnsi(user)));
    CopyCut(record.workgroupName, codec_.Upper(codec_.OemToAnsi(WorkgroupOf(status))));
    CopyCut(record.macAddress, MacAddressText(status.mac));
    CopyCut(record.ipAddress, ip);
}

} // namespace kivet
