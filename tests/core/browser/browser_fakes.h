// Doubles for the network browser's seams: a LAN of computers answering NetBIOS commands, a
// network provider, a host resolver, the local system's names, a log and a scan observer.
#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "messenger/browser/host_lookup.h"
#include "messenger/browser/local_system.h"
#include "messenger/browser/netbios.h"
#include "messenger/browser/network_provider.h"
#include "messenger/browser/scan_observer.h"
#include "messenger/runtime/action_log.h"

namespace kivet::test {

// One name of a computer's table: text (OEM, at most 15), suffix and flags.
struct FakeName {
    std::string text;
    uint8_t suffix;
    uint8_t flags;
};
constexpr uint8_t kUniqueRegistered = 0x04;
constexpr uint8_t kGroupRegistered = 0x84;

// A computer on the fake LAN: its name table, MAC and IP address.
struct FakeComputer {
    std::vector<FakeName> names;
    std::array<uint8_t, 6> mac{};
    std::array<uint8_t, 4> ip{};
};

// The NetBIOS of a LAN: remote computers answer adapter status by the text of their call name,
// find-name answers come from the names registered on the remote computers, and the local
// adapters keep the names the program adds (a reset deletes them). Safe to call from many
// threads.
class FakeLan : public NetBios {
public:
    uint8_t EnumerateAdapters(std::vector<uint8_t>& lanas) override;
    uint8_t Reset(uint8_t lana) override;
    uint8_t QueryAdapterStatus(uint8_t lana, const NetBiosName& callName, AdapterStatus& status) override;
    uint8_t FindName(uint8_t lana, const NetBiosName& name, std::array<uint8_t, 6>& sourceAddress) override;
    uint8_t AddName(uint8_t lana, const NetBiosName& name) override;
    uint8_t AddGroupName(uint8_t lana, const NetBiosName& name) override;
    uint8_t DeleteName(uint8_t lana, const NetBiosName& name) override;

    // Set-up (before the program runs).
    void AddComputer(const std::string& callName, FakeComputer computer);
    std::vector<uint8_t> adapters{0};
    uint8_t enumerateResult = kNrcGoodReturn;
    std::string localName = "PC-LOCAL";            // the call name of the local computer
    std::map<uint8_t, FakeComputer> localAdapters; // its status per adapter; names the program adds join it
    std::map<std::string, uint8_t> refusedNames;   // name text -> result of adding it
    int findNameFailures = 0;                      // the next find-name calls that fail outright

    // Blocks every adapter-status call to a remote computer until released (for stop and
    // concurrency tests); WaitForHeldQueries returns once `count` calls are held.
    void HoldQueries();
    void ReleaseQueries();
    void WaitForHeldQueries(int count = 1);

    // What happened.
    struct Call {
        std::string command;
        uint8_t lana;
        std::string text; // name text, blanks trimmed
        uint8_t suffix;
        std::thread::id thread;
    };
    std::vector<Call> Calls();
    std::vector<Call> CallsOf(const std::string& command);
    int ResetsOf(uint8_t lana);
    bool Holds(uint8_t lana, const std::string& text, uint8_t suffix);

private:
    void Record(const std::string& command, uint8_t lana, const NetBiosName& name);
    uint8_t Add(uint8_t lana, const NetBiosName& name, uint8_t flags);

    std::mutex lock_;
    std::condition_variable changed_;
    std::map<std::string, FakeComputer> computers_;
    std::map<uint8_t, std::vector<FakeName>> added_; // names the program added, per adapter
    std::vector<Call> calls_;
    bool holding_ = false;
    int held_ = 0;
};

class FakeProvider : public NetworkProvider {
public:
    bool EnumerateDomains(std::vector<std::string>& domains) override;
    bool EnumerateComputers(const std::string& domain, std::vector<std::string>& computers) override;

    bool works = true;
    std::vector<std::pair<std::string, std::vector<std::string>>> network; // domain -> computers
    std::vector<std::string> askedDomains;
};

class FakeHosts : public HostLookup {
public:
    std::string NameOfAddress(const std::string& address) override;
    std::string AddressOfName(const std::string& name) override;
    std::map<std::string, std::string> names;     // address -> host name
    std::map<std::string, std::string> addresses; // host name -> address
    std::mutex lock;
};

class FakeSystem : public LocalSystem {
public:
    std::string ComputerName() override { return computer; }
    std::string LogonName() override { return logon; }
    std::string computer = "PC-LOCAL";
    std::string logon = "jsmith";
};

class RecordingLog : public ActionWriter {
public:
    void Write(std::string_view text) override;
    std::vector<std::string> Entries();

private:
    std::mutex lock_;
    std::vector<std::string> entries_;
};

class RecordingObserver : public ScanObserver {
public:
    void ShowStatus(const std::vector<StatusPart>& parts) override;
    void ClearTree() override;
    void InsertTreeItems(const std::vector<TreeItem>& items) override;

    std::mutex lock;
    std::vector<std::vector<StatusPart>> statuses;
    std::vector<std::string> events; // "status", "clear", "insert"
    std::vector<TreeItem> items;
};

// The English texts of the browser's string ids in the process's text table.
void FillBrowserTexts();

// A name table entry list for a computer: its own names, a logged-on user and the workgroup.
FakeComputer Workstation(const std::string& computer, const std::string& user, const std::string& workgroup,
                         uint8_t lastIpByte);

} // namespace kivet::test
