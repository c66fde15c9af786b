// The names this node has added, their registration state, and the decisions that follow from
// them: which queries and node-status requests to answer and which registrations to defend.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "messenger/browser/netbios.h"
#include "messenger/netbios/name_service_packet.h"

namespace kivet::nbt {

enum class NameState : uint8_t {
    Registering, // on the network, waiting for objections
    Registered,  // answered and defended
    Conflict,    // another node claimed it: kept, no longer answered
};

struct LocalName {
    NetBiosName name{};
    bool group = false;
    NameState state = NameState::Registering;
    uint8_t number = 0; // the name number NCBASTAT reports
};

class NameTable {
public:
    explicit NameTable(std::size_t capacity) : capacity_(capacity) {}

    // kNrcGoodReturn, kNrcDuplicateName when the name is already in the table (unique or group),
    // kNrcNameTableFull when the table is full.
    uint8_t Reserve(const NetBiosName& name, bool group);
    void SetState(const NetBiosName& name, NameState state);
    bool Remove(const NetBiosName& name);

    const LocalName* Find(const NetBiosName& name) const;
    const LocalName* FindRegistered(const NetBiosName& name) const;
    const std::vector<LocalName>& Names() const { return names_; }

    // Another node asks to register name: true when this node must object (it holds the name
    // as a unique name, or as a group name and the request is for a unique one).
    bool MustDefend(const NetBiosName& name, bool requestIsGroup) const;

    // Some name of the table has these 15 characters (ignoring ASCII case), whatever its suffix.
    bool HoldsText(const NetBiosName& name) const;

    // The first registered name with the suffix, unique or group as asked.
    const LocalName* FirstRegistered(uint8_t suffix, bool group) const;

    // The entries of a node status answer, flags as Windows sends them (group 0x8000, active
    // 0x0400, conflict 0x0800; B-node owner type 0).
    std::vector<NodeStatusName> StatusNames() const;

private:
    std::size_t capacity_;
    std::vector<LocalName> names_;
    uint8_t nextNumber_ = 2; // 1 is the permanent node name NCBASTAT reports first on Windows
};

// The flags byte NCBASTAT reports (kNameFlagGroup | 0x04 registered, 0x05 deregistered,
// 0x06 duplicate, 0x00 registering) for a node status entry's flags.
uint8_t AdapterStatusFlags(uint16_t statusFlags);

} // namespace kivet::nbt
