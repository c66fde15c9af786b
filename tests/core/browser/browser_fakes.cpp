#include "tests/core/browser/browser_fakes.h"

#include <algorithm>
#include <cstring>

#include "messenger/browser/adapter_status_names.h"
#include "messenger/runtime/text_table.h"

namespace kivet::test {
namespace {

NetBiosName NameEntry(const FakeName& name)
{
    return MakeNetBiosName(name.text.c_str(), name.suffix);
}

void AppendNames(AdapterStatus& status, const std::vector<FakeName>& names)
{
    for (const FakeName& name : names) {
        AdapterStatusName entry;
        entry.name = NameEntry(name);
        entry.flags = name.flags;
        status.names.push_back(entry);
    }
}

} // namespace

void FakeLan::AddComputer(const std::string& callName, FakeComputer computer)
{
    std::lock_guard<std::mutex> guard(lock_);
    computers_[callName] = std::move(computer);
}

void FakeLan::Record(const std::string& command, uint8_t lana, const NetBiosName& name)
{
    calls_.push_back({command, lana, NetBiosNameText(name), NetBiosSuffix(name), std::this_thread::get_id()});
}

uint8_t FakeLan::EnumerateAdapters(std::vector<uint8_t>& lanas)
{
    std::lock_guard<std::mutex> guard(lock_);
    calls_.push_back({"enum", 0, "", 0, std::this_thread::get_id()});
    lanas = adapters;
    return enumerateResult;
}

uint8_t FakeLan::Reset(uint8_t lana)
{
    std::lock_guard<std::mutex> guard(lock_);
    calls_.push_back({"reset", lana, "", 0, std::this_thread::get_id()});
    added_[lana].clear();
    return kNrcGoodReturn;
}

uint8_t FakeLan::QueryAdapterStatus(uint8_t lana, const NetBiosName& callName, AdapterStatus& status)
{
    std::unique_lock<std::mutex> guard(lock_);
    Record("astat", lana, callName);
    const std::string text = NetBiosNameText(callName);
    if (text != localName) {
        ++held_;
        changed_.notify_all();
        changed_.wait(guard, [this] { return !holding_; });
        --held_;
    }
    status = AdapterStatus{};
    if (text == localName && localAdapters.count(lana)) {
        status.mac = localAdapters[lana].mac;
        AppendNames(status, localAdapters[lana].names);
        AppendNames(status, added_[lana]);
        return kNrcGoodReturn;
    }
    auto found = computers_.find(text);
    if (found == computers_.end()) return kNrcCommandTimedOut;
    status.mac = found->second.mac;
    AppendNames(status, found->second.names);
    return kNrcGoodReturn;
}

uint8_t FakeLan::FindName(uint8_t lana, const NetBiosName& name, std::array<uint8_t, 6>& sourceAddress)
{
    std::lock_guard<std::mutex> guard(lock_);
    Record("find", lana, name);
    if (findNameFailures > 0) {
        --findNameFailures;
        return kNrcCommandTimedOut;
    }
    for (const auto& [callName, computer] : computers_) {
        for (const FakeName& held : computer.names) {
            if (NameEntry(held) != name || (held.flags & kNameFlagStateMask) != kNameFlagRegistered) continue;
            sourceAddress = {0, 0, computer.ip[0], computer.ip[1], computer.ip[2], computer.ip[3]};
            return kNrcGoodReturn;
        }
    }
    return kNrcCommandTimedOut;
}

uint8_t FakeLan::Add(uint8_t lana, const NetBiosName& name, uint8_t flags)
{
    std::lock_guard<std::mutex> guard(lock_);
    Record(flags & kNameFlagGroup ? "addgroup" : "add", lana, name);
    const std::string text = NetBiosNameText(name);
    auto refused = refusedNames.find(text);
    if (refused != refusedNames.end()) return refused->second;
    std::vector<FakeName>& names = added_[lana];
    for (const FakeName& held : names)
        if (NameEntry(held) == name) return kNrcDuplicateName;
    names.push_back({text, NetBiosSuffix(name), flags});
    return kNrcGoodReturn;
}

uint8_t FakeLan::AddName(uint8_t lana, const NetBiosName& name)
{
    return Add(lana, name, kUniqueRegistered);
}

uint8_t FakeLan::AddGroupName(uint8_t lana, const NetBiosName& name)
{
    return Add(lana, name, kGroupRegistered);
}

uint8_t FakeLan::DeleteName(uint8_t lana, const NetBiosName& name)
{
    std::lock_guard<std::mutex> guard(lock_);
    Record("delete", lana, name);
    std::vector<FakeName>& names = added_[lana];
    names.erase(std::remove_if(names.begin(), names.end(), [&](const FakeName& n) { return NameEntry(n) == name; }),
                names.end());
    return kNrcGoodReturn;
}

void FakeLan::HoldQueries()
{
    std::lock_guard<std::mutex> guard(lock_);
    holding_ = true;
}

void FakeLan::ReleaseQueries()
{
    {
        std::lock_guard<std::mutex> guard(lock_);
        holding_ = false;
    }
    changed_.notify_all();
}

void FakeLan::WaitForHeldQueries(int count)
{
    std::unique_lock<std::mutex> guard(lock_);
    changed_.wait(guard, [this, count] { return held_ >= count; });
}

std::vector<FakeLan::Call> FakeLan::Calls()
{
    std::lock_guard<std::mutex> guard(lock_);
    return calls_;
}

std::vector<FakeLan::Call> FakeLan::CallsOf(const std::string& command)
{
    std::vector<Call> matching;
    for (const Call& call : Calls())
        if (call.command == command) matching.push_back(call);
    return matching;
}

int FakeLan::ResetsOf(uint8_t lana)
{
    int count = 0;
    for (const Call& call : CallsOf("reset"))
        count += call.lana == lana;
    return count;
}

bool FakeLan::Holds(uint8_t lana, const std::string& text, uint8_t suffix)
{
    std::lock_guard<std::mutex> guard(lock_);
    for (const FakeName& held : added_[lana])
        if (held.text == text && held.suffix == suffix) return true;
    return false;
}

bool FakeProvider::EnumerateDomains(std::vector<std::string>& domains)
{
    if (!works) return false;
    for (const auto& entry : network)
        domains.push_back(entry.first);
    return true;
}

bool FakeProvider::EnumerateComputers(const std::string& domain, std::vector<std::string>& computers)
{
    askedDomains.push_back(domain);
    for (const auto& entry : network)
        if (entry.first == domain) computers = entry.second;
    return works;
}

std::string FakeHosts::NameOfAddress(const std::string& address)
{
    std::lock_guard<std::mutex> guard(lock);
    auto found = names.find(address);
    return found == names.end() ? std::string() : found->second;
}

std::string FakeHosts::AddressOfName(const std::string& name)
{
    std::lock_guard<std::mutex> guard(lock);
    auto found = addresses.find(name);
    return found == addresses.end() ? std::string() : found->second;
}

void RecordingLog::Write(std::string_view text)
{
    std::lock_guard<std::mutex> guard(lock_);
    entries_.emplace_back(text);
}

std::vector<std::string> RecordingLog::Entries()
{
    std::lock_guard<std::mutex> guard(lock_);
    return entries_;
}

void RecordingObserver::ShowStatus(const std::vector<StatusPart>& parts)
{
    std::lock_guard<std::mutex> guard(lock);
    statuses.push_back(parts);
    events.push_back("status");
}

void RecordingObserver::ClearTree()
{
    std::lock_guard<std::mutex> guard(lock);
    events.push_back("clear");
}

void RecordingObserver::InsertTreeItems(const std::vector<TreeItem>& inserted)
{
    std::lock_guard<std::mutex> guard(lock);
    items.insert(items.end(), inserted.begin(), inserted.end());
    events.push_back("insert");
}

void FillBrowserTexts()
{
    class EnglishTexts : public StringSource {
    public:
        bool Load(uint32_t id, char* buf, std::size_t size) override
        {
            static const std::map<uint32_t, const char*> texts = {
                {200, "Users"},
                {201, "Computers"},
                {202, "Updated at"},
                {203, "Scanning the local network: processing %s..."},
                {204, "Details"},
                {205, "Computer name:"},
                {206, "Logged user:"},
                {207, "MAC address:"},
                {208, "IP address:"},
                {209, "Retrieving the list of computers on the network..."},
                {215, "Domain/Workgroup:"},
            };
            auto found = texts.find(id);
            if (found == texts.end()) return false;
            std::strncpy(buf, found->second, size - 1);
            buf[size - 1] = '\0';
            return true;
        }
    } source;
    ProcessTexts().Fill(source);
}

FakeComputer Workstation(const std::string& computer, const std::string& user, const std::string& workgroup,
                         uint8_t lastIpByte)
{
    FakeComputer fake;
    fake.names.push_back({computer, 0x00, kUniqueRegistered});
    fake.names.push_back({workgroup, 0x00, kGroupRegistered});
    fake.names.push_back({computer, 0x03, kUniqueRegistered});
    if (!user.empty()) fake.names.push_back({user, 0x03, kUniqueRegistered});
    fake.names.push_back({computer, 0x20, kUniqueRegistered});
    fake.mac = {0x00, 0x0c, 0x29, 0xab, 0xcd, lastIpByte};
    fake.ip = {192, 168, 1, lastIpByte};
    return fake;
}

} // namespace kivet::test
