// The tables one retrieval and scan fill: domains, computers and logged-on users. Each scan fills
// tables of its own and publishes them whole, so a reader holds either the old or the new ones.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace kivet {

constexpr std::size_t kMaxDomains = 50;
constexpr std::size_t kMaxComputers = 10000;
constexpr std::size_t kMaxUsers = 10000;

// State byte of a scanned computer and of the users logged on at it.
enum ScanState : uint8_t {
    kScanOffline = 0,
    kScanOnline = 1,
    kScanAutoReply = 2, // on line, its user is away
};

struct DomainEntry {
    char name[20]; // upper-case, at most 15 characters
};

struct ScannedComputer {
    char name[16];       // upper-case, without the leading backslashes
    char secondName[16]; // kept for the record's size; nothing reads it
    uint16_t domainIndex;
    uint8_t state;
    uint8_t runsMessenger; // 1 when the computer answers on the secure exchange's port
};

struct ScannedUser {
    char name[16];
    char computer[16]; // the computer the user is logged on at
    uint16_t domainIndex;
    uint8_t state; // the state of that computer
};

static_assert(sizeof(DomainEntry) == 20, "domain entry");
static_assert(sizeof(ScannedComputer) == 36 && offsetof(ScannedComputer, domainIndex) == 32 &&
                  offsetof(ScannedComputer, state) == 34 && offsetof(ScannedComputer, runsMessenger) == 35,
              "computer entry");
static_assert(sizeof(ScannedUser) == 36 && offsetof(ScannedUser, domainIndex) == 32 &&
                  offsetof(ScannedUser, state) == 34,
              "user entry");
static_assert(std::is_trivially_copyable_v<ScannedComputer> && std::is_trivially_copyable_v<ScannedUser>,
              "copied by value");

struct ScanTables {
    std::vector<DomainEntry> domains;     // at most kMaxDomains
    std::vector<ScannedComputer> computers; // at most kMaxComputers
    std::vector<ScannedUser> users;       // at most kMaxUsers
};

// The computer a scanned computer or user name stands for (case-insensitive); empty when the
// tables do not list the name.
std::string ScannedComputerOf(const ScanTables& tables, std::string_view name);

// The state byte of a scanned computer or user; kScanOffline when the tables do not list it.
uint8_t ScannedStateOf(const ScanTables& tables, std::string_view name);

} // namespace kivet
