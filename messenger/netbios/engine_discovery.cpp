// Finding the workgroups and computers of the local subnet: broadcast queries for the wildcard
// name (every node answers it), for the workgroups' browser names <1E> and for the master
// browsers' name; then a node status request to each node that answered, whose unique <00>
// name is its computer name and whose group <00> name is its workgroup.
#include <algorithm>
#include <set>

#include "messenger/netbios/name_service_messages.h"
#include "messenger/netbios/name_text.h"
#include "messenger/netbios/nbt_engine.h"

namespace kivet::nbt {
namespace {

NetBiosName MasterBrowsersName()
{
    NetBiosName name{};
    const char text[] = "\x01\x02__MSBROWSE__\x02";
    std::copy(text, text + 15, name.begin());
    name[15] = 0x01;
    return name;
}

std::string FindStatusName(const AdapterStatus& status, uint8_t suffix, bool group)
{
    for (const AdapterStatusName& entry : status.names) {
        const bool isGroup = (entry.flags & kNameFlagGroup) != 0;
        if (isGroup == group && SuffixOf(entry.name) == suffix && (entry.flags & kNameFlagStateMask) == 0x04)
            return NameText(entry.name);
    }
    return std::string();
}

DiscoveredComputer ComputerFromStatus(const AdapterStatus& status, uint32_t address)
{
    DiscoveredComputer computer;
    computer.address = address;
    computer.name = FindStatusName(status, kSuffixWorkstation, false);
    computer.workgroup = FindStatusName(status, kSuffixWorkstation, true);
    if (computer.workgroup.empty()) computer.workgroup = FindStatusName(status, kSuffixBrowser, true);
    return computer;
}

} // namespace

struct NbtEngine::DiscoveryRun {
    DiscoveryDone done;
    std::set<uint32_t> responders;
    int queriesOpen = 0;
    int statusOpen = 0;
    std::vector<DiscoveredComputer> computers;
};

void NbtEngine::Discover(int64_t nowMs, DiscoveryDone done)
{
    nowMs_ = nowMs;
    auto run = std::make_shared<DiscoveryRun>();
    run->done = std::move(done);
    CollectResponders(run, nowMs);
}

void NbtEngine::CollectResponders(const std::shared_ptr<DiscoveryRun>& run, int64_t nowMs)
{
    std::vector<NetBiosName> asked{WildcardName(), MasterBrowsersName()};
    std::vector<std::string> workgroups = knownWorkgroups_;
    if (const LocalName* own = names_.FirstRegistered(kSuffixWorkstation, true)) workgroups.push_back(NameText(own->name));
    for (const std::string& workgroup : workgroups)
        if (const auto name = NameFromText(workgroup, kSuffixBrowser)) asked.push_back(*name);

    run->queriesOpen = static_cast<int>(asked.size());
    for (const NetBiosName& name : asked) {
        auto onResponse = [this, run](const NameServicePacket& packet, uint32_t from, int64_t) {
            if (packet.Opcode() != kOpQuery || packet.Rcode() != kRcodeGoodAnswer) return false;
            for (const NsRecord& record : packet.answers)
                for (const NbAddress& entry : record.addresses)
                    if (run->responders.size() < config_.maxDiscovered) run->responders.insert(entry.address);
            if (packet.answers.empty() && run->responders.size() < config_.maxDiscovered) run->responders.insert(from);
            return false; // keep listening: every node answers
        };
        auto onExpired = [this, run](int64_t now) {
            if (--run->queriesOpen == 0) AskStatusOfResponders(run, now);
        };
        StartRequest(MakeNameQuery(0, name, true), config_.broadcastAddress, false, nowMs, std::move(onResponse),
                     std::move(onExpired));
    }
}

void NbtEngine::AskStatusOfResponders(const std::shared_ptr<DiscoveryRun>& run, int64_t nowMs)
{
    run->responders.erase(config_.localAddress);
    run->responders.erase(0);
    run->statusOpen = static_cast<int>(run->responders.size());
    if (run->statusOpen == 0) {
        FinishDiscovery(run);
        return;
    }
    for (const uint32_t address : run->responders) {
        QueryNodeStatus(address, nowMs, [this, run, address](uint8_t nrc, const AdapterStatus& status) {
            if (nrc == kNrcGoodReturn) {
                DiscoveredComputer computer = ComputerFromStatus(status, address);
                if (!computer.name.empty()) run->computers.push_back(std::move(computer));
            }
            if (--run->statusOpen == 0) FinishDiscovery(run);
        });
    }
}

void NbtEngine::FinishDiscovery(const std::shared_ptr<DiscoveryRun>& run)
{
    if (const LocalName* own = names_.FirstRegistered(kSuffixWorkstation, false)) {
        DiscoveredComputer self;
        self.name = NameText(own->name);
        self.address = config_.localAddress;
        if (const LocalName* workgroup = names_.FirstRegistered(kSuffixWorkstation, true))
            self.workgroup = NameText(workgroup->name);
        run->computers.push_back(self);
    }
    Discovery discovery;
    std::sort(run->computers.begin(), run->computers.end(),
              [](const DiscoveredComputer& a, const DiscoveredComputer& b) { return a.name < b.name; });
    for (const DiscoveredComputer& computer : run->computers) {
        if (!discovery.computers.empty() && discovery.computers.back().name == computer.name) continue;
        discovery.computers.push_back(computer);
        if (!computer.workgroup.empty()) discovery.workgroups.push_back(computer.workgroup);
    }
    std::sort(discovery.workgroups.begin(), discovery.workgroups.end());
    discovery.workgroups.erase(std::unique(discovery.workgroups.begin(), discovery.workgroups.end()),
                               discovery.workgroups.end());
    knownWorkgroups_ = discovery.workgroups;
    run->done(discovery);
}

} // namespace kivet::nbt
