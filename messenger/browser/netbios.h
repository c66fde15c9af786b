// The NetBIOS calls the program makes, as one interface. On Windows they are the system's
// Netbios() commands; where the platform has no NetBIOS name service (Wine, Linux) the program's
// own NetBIOS over TCP/IP answers them. Which one runs is decided once at start-up.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace kivet {

// A NetBIOS name as it travels: 15 characters of upper-case OEM text padded with blanks, then
// the suffix byte that says which service the name stands for.
using NetBiosName = std::array<char, 16>;

// Suffix bytes the program registers and asks for.
constexpr uint8_t kSuffixWorkstation = 0x00; // the computer name, and the workgroup as a group
constexpr uint8_t kSuffixMessenger = 0x03;   // Messenger Service name of a computer or a user
constexpr uint8_t kSuffixAutoReply = 0x11;   // "AUTOANSWERMODE" while the user is away
constexpr uint8_t kSuffixBrowser = 0x1E;     // the workgroup's browser election group name
constexpr uint8_t kSuffixSecondMessenger = 0xB0;

// Return codes of the commands (the NRC_ values of the Netbios() interface).
constexpr uint8_t kNrcGoodReturn = 0x00;
constexpr uint8_t kNrcBufferTooSmall = 0x01;
constexpr uint8_t kNrcIllegalCommand = 0x03;
constexpr uint8_t kNrcCommandTimedOut = 0x05;
constexpr uint8_t kNrcNameTableFull = 0x0E;
constexpr uint8_t kNrcDuplicateName = 0x0D;
constexpr uint8_t kNrcNameInUseElsewhere = 0x16;
constexpr uint8_t kNrcNameNotFound = 0x15;
constexpr uint8_t kNrcNameConflict = 0x19;
constexpr uint8_t kNrcBridge = 0x23; // no such adapter
constexpr uint8_t kNrcSystem = 0x40; // the system failed the command

// Flags byte of an adapter-status name entry.
constexpr uint8_t kNameFlagGroup = 0x80;      // a group name (else unique)
constexpr uint8_t kNameFlagRegistered = 0x04; // the registration completed
constexpr uint8_t kNameFlagStateMask = 0x07;

// The blank-padded name with its suffix; the text is cut at 15 characters and upper-cased in
// ASCII (callers pass names already converted to OEM).
NetBiosName MakeNetBiosName(const char* text, uint8_t suffix);

struct AdapterStatusName {
    NetBiosName name{};
    uint8_t number = 0;
    uint8_t flags = 0;
};

// What NCBASTAT reports: the adapter's MAC address and its name table.
struct AdapterStatus {
    std::array<uint8_t, 6> mac{};
    std::vector<AdapterStatusName> names;
};

class NetBios {
public:
    virtual ~NetBios() = default;
    // NCBENUM: the adapter numbers (LANAs).
    virtual uint8_t EnumerateAdapters(std::vector<uint8_t>& lanas) = 0;
    // NCBRESET of one adapter for this process.
    virtual uint8_t Reset(uint8_t lana) = 0;
    // NCBASTAT: the status of the computer that holds callName; a callName whose first byte is
    // '*' (the rest blanks) asks the local adapter.
    virtual uint8_t QueryAdapterStatus(uint8_t lana, const NetBiosName& callName, AdapterStatus& status) = 0;
    // NCBFINDNAME: the first answer's source address; as in the system's FIND_NAME_BUFFER the
    // last four of its six bytes are the IPv4 address of the computer holding the name.
    virtual uint8_t FindName(uint8_t lana, const NetBiosName& name, std::array<uint8_t, 6>& sourceAddress) = 0;
    // NCBADDNAME / NCBADDGRNAME / NCBDELNAME on one adapter.
    virtual uint8_t AddName(uint8_t lana, const NetBiosName& name) = 0;
    virtual uint8_t AddGroupName(uint8_t lana, const NetBiosName& name) = 0;
    virtual uint8_t DeleteName(uint8_t lana, const NetBiosName& name) = 0;
};

} // namespace kivet
