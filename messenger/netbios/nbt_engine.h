// NetBIOS over TCP/IP for one adapter, as a B-node (with an optional WINS server): the name
// table with registration, defence and release, name queries and node status in both
// directions, discovery of the workgroups and computers on the subnet, and mailslot datagrams.
//
// The engine is single-threaded and passive: received packets and clock ticks go in, packets
// come out through PacketSender, and each operation reports its end through a callback, which
// may run inside the call that starts it or inside a later OnXxxPacket/Tick call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "messenger/browser/netbios.h"
#include "messenger/netbios/datagram_packet.h"
#include "messenger/netbios/datagram_reassembly.h"
#include "messenger/netbios/engine_ports.h"
#include "messenger/netbios/name_service_packet.h"
#include "messenger/netbios/name_table.h"

namespace kivet::nbt {

struct DiscoveredComputer {
    std::string name;      // its unique <00> name
    std::string workgroup; // its <00> group name, empty when it has none
    uint32_t address = 0;
};

struct Discovery {
    std::vector<std::string> workgroups;       // sorted, without repeats
    std::vector<DiscoveredComputer> computers; // sorted by name
};

// Counts for tests, benchmarks and the log; they only grow.
struct EngineCounters {
    uint64_t malformedPackets = 0;
    uint64_t ignoredPackets = 0;   // well-formed but not for us (other scope, own echo, unknown id)
    uint64_t refusedRedirects = 0; // redirect answers to our queries are not followed
    uint64_t defences = 0;         // negative registration responses sent
    uint64_t datagramsDelivered = 0;
    uint64_t datagramsRefused = 0; // bad mailslot name, not a mailslot write, no such mailslot
};

class NbtEngine {
public:
    using AddDone = std::function<void(uint8_t nrc)>;
    using FindDone = std::function<void(uint8_t nrc, uint32_t address)>;
    using StatusDone = std::function<void(uint8_t nrc, const AdapterStatus& status)>;
    using DiscoveryDone = std::function<void(const Discovery& discovery)>;
    using SendDone = std::function<void(bool handedOver)>;

    NbtEngine(const EngineConfig& config, PacketSender& sender, LocalMailslots& mailslots);

    void OnNameServicePacket(uint32_t from, uint16_t fromPort, const uint8_t* data, std::size_t size, int64_t nowMs);
    void OnDatagramPacket(uint32_t from, uint16_t fromPort, const uint8_t* data, std::size_t size, int64_t nowMs);
    // Retransmits and expires requests, drops stale fragments.
    void Tick(int64_t nowMs);
    // The time of the next retransmission or expiry, or -1 when nothing waits.
    int64_t NextDeadline() const;

    // NCBADDNAME / NCBADDGRNAME: kNrcGoodReturn, kNrcDuplicateName (already added here),
    // kNrcNameTableFull, kNrcNameInUseElsewhere (another node objected).
    void AddName(const NetBiosName& name, bool group, int64_t nowMs, AddDone done);
    // NCBDELNAME: releases the name on the network; kNrcNameNotFound when it was not added.
    uint8_t DeleteName(const NetBiosName& name);
    // Releases every registered name (at exit).
    void ReleaseAll();
    // Drops every request without calling its callback (the service is stopping).
    void AbandonRequests() { requests_.clear(); }

    // NCBFINDNAME: the address of the first node that answers (this node for its own names).
    void FindName(const NetBiosName& name, int64_t nowMs, FindDone done);
    // Node status of the computer at address (the wildcard question Windows asks).
    void QueryNodeStatus(uint32_t address, int64_t nowMs, StatusDone done);
    // NCBASTAT: a call name starting with '*', or one of this node's names with any suffix, asks
    // this node; one written as a dotted IPv4 address asks the node at that address; otherwise
    // the name is found first (a blank-padded computer name by its workstation name <00>).
    void QueryAdapterStatus(const NetBiosName& callName, int64_t nowMs, StatusDone done);
    AdapterStatus LocalStatus() const;

    // The workgroups and computers that answer on the local subnet, this node included.
    void Discover(int64_t nowMs, DiscoveryDone done);

    // One mailslot write: target is a computer or user name (DIRECT_UNIQUE to name<03>), a
    // workgroup or domain (DIRECT_GROUP to name<00>, broadcast), "*" (this node's workgroup)
    // or "." (this computer only); path is "\mailslot\...". Reports false for an invalid
    // target or path, an unknown target or a node without names; true once the datagram is sent
    // (it is not acknowledged).
    void SendMailslot(std::string_view target, std::string_view path, const uint8_t* data, std::size_t size,
                      int64_t nowMs, SendDone done);

    const NameTable& Names() const { return names_; }
    const EngineCounters& Counters() const { return counters_; }
    std::size_t PendingRequests() const { return requests_.size(); }
    const DatagramReassembly& Reassembly() const { return reassembly_; }

private:
    using ResponseHandler = std::function<bool(const NameServicePacket& packet, uint32_t from, int64_t nowMs)>;
    using ExpiryHandler = std::function<void(int64_t nowMs)>;

    struct Request {
        std::vector<uint8_t> bytes;
        uint32_t destination = 0;
        bool toServer = false;
        bool onlyFromDestination = false; // answers from other nodes are ignored
        int sendsLeft = 0;
        int64_t intervalMs = 0;
        int64_t nextAtMs = 0;
        ResponseHandler onResponse; // true when the request is finished
        ExpiryHandler onExpired;
    };

    struct CachedName {
        uint32_t address = 0;
        bool group = false;
        int64_t expiresMs = 0;
    };

    // Requests (nbt_engine.cpp)
    uint16_t NextTransactionId();
    // Sends the request now and again until it is answered or its sends are used up; toServer
    // selects the WINS timing. A request to anything but the broadcast address takes answers
    // from that node only.
    void StartRequest(NameServicePacket packet, uint32_t destination, bool toServer, int64_t nowMs,
                      ResponseHandler onResponse, ExpiryHandler onExpired);
    void SendNameService(uint32_t address, uint16_t port, const NameServicePacket& packet);
    void OnResponse(const NameServicePacket& packet, uint32_t from, int64_t nowMs);
    bool IsOwnEcho(uint32_t from, uint16_t fromPort, uint16_t localPort) const;

    // Registration and defence (engine_registration.cpp)
    void RegisterByBroadcast(const NetBiosName& name, bool group, int64_t nowMs, AddDone done);
    void RegisterWithServer(const NetBiosName& name, bool group, int64_t nowMs, AddDone done);
    void FinishRegistration(const NetBiosName& name, uint8_t nrc, const AddDone& done);
    void OnRegistrationRequest(const NameServicePacket& packet, uint32_t from, uint16_t fromPort);
    void OnConflictDemand(const NameServicePacket& packet);
    void OnReleaseRequest(const NameServicePacket& packet);
    void SendRelease(const LocalName& entry);

    // Queries and node status (engine_queries.cpp)
    void QueryByBroadcast(const NetBiosName& name, int64_t nowMs, FindDone done);
    void OnNameQuery(const NameServicePacket& packet, uint32_t from, uint16_t fromPort);
    void OnNodeStatusRequest(const NameServicePacket& packet, uint32_t from, uint16_t fromPort);
    void Remember(const NetBiosName& name, uint32_t address, bool group, int64_t nowMs);
    const CachedName* Cached(const NetBiosName& name, int64_t nowMs) const;
    bool HasRegisteredNames() const;

    // Discovery (engine_discovery.cpp)
    struct DiscoveryRun;
    void CollectResponders(const std::shared_ptr<DiscoveryRun>& run, int64_t nowMs);
    void AskStatusOfResponders(const std::shared_ptr<DiscoveryRun>& run, int64_t nowMs);
    void FinishDiscovery(const std::shared_ptr<DiscoveryRun>& run);

    // Datagrams (engine_datagrams.cpp)
    void SendToUnique(const NetBiosName& destination, uint32_t address, std::vector<uint8_t> transaction);
    void SendToGroup(const NetBiosName& destination, std::vector<uint8_t> transaction);
    void SendDatagramPackets(uint8_t type, const NetBiosName& destination, uint32_t address,
                             std::vector<uint8_t> userData);
    void ResolveMailslotTarget(const NetBiosName& messengerName, const NetBiosName& workstationName,
                               std::vector<uint8_t> transaction, int64_t nowMs, SendDone done);
    bool IsKnownGroup(const std::string& name) const;
    bool AcceptsDatagram(const DatagramPacket& packet) const;
    void DeliverLocally(const uint8_t* transaction, std::size_t size);
    void SendDatagramError(const DatagramPacket& packet, uint32_t to, uint16_t toPort, uint8_t code);
    const LocalName* SourceName() const;

    EngineConfig config_;
    PacketSender& sender_;
    LocalMailslots& mailslots_;
    NameTable names_;
    DatagramReassembly reassembly_;
    EngineCounters counters_;
    std::map<uint16_t, Request> requests_;
    std::map<NetBiosName, CachedName> cache_;
    std::vector<std::string> knownWorkgroups_; // from the last discovery
    int64_t nowMs_ = 0; // the time of the call being handled, for requests started by callbacks
    uint16_t nextTransactionId_;
    uint16_t nextDatagramId_;
};

} // namespace kivet::nbt
