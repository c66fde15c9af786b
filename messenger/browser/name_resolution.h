// What other parts of the program ask the network browser: the local names, the domains and
// computers of the last retrieval, and where a name is registered on the network.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kivet {

// Filled by a name resolution or an adapter-status query; every field NUL-terminated.
struct ResolutionRecord {
    char userName[16] = {}; // the logged-on user
    char computerName[16] = {};
    char workgroupName[16] = {};
    char macAddress[16] = {}; // 12 lower-case hexadecimal digits
    char ipAddress[16] = {};  // dotted decimal
};

// Which registered name a resolution asks for.
enum class ResolveService : int {
    Messenger = 0,       // suffix 0x03: a computer or a logged-on user
    SecondMessenger = 1, // suffix 0xB0
    Workgroup = 2,       // suffix 0x1E
};

class NetworkDirectory {
public:
    virtual ~NetworkDirectory() = default;
    virtual std::string LocalUser() = 0;      // as registered, upper-case
    virtual std::string LocalComputer() = 0;  // upper-case
    virtual std::string LocalWorkgroup() = 0; // upper-case, empty when unknown
    // Snapshots of the tables the last retrieval published, in their order.
    virtual std::vector<std::string> KnownDomains() = 0;
    virtual std::vector<std::string> KnownComputers() = 0;
    // Retrieves the domains and computers now (no user scan); the number of computers.
    virtual std::size_t RetrieveComputers() = 0;
    // Finds the computer that holds the name and asks it for its adapter status.
    virtual bool ResolveName(std::string_view name, ResolveService service, ResolutionRecord& record) = 0;
    // The computer a scanned computer or user name belongs to, when the last scan listed it.
    virtual bool FindScanned(std::string_view name, std::string& computer) = 0;
    // Asks the computer for its adapter status: its user, workgroup, MAC and IP address.
    virtual bool AdapterStatus(std::string_view computer, ResolutionRecord& record) = 0;
};

} // namespace kivet
