// Name queries and node status, asked and answered.
#include <gtest/gtest.h>

#include <optional>

#include "messenger/netbios/name_text.h"
#include "tests/core/netbios/engine_harness.h"

using namespace kivet;
using namespace kivet::nbt;
using namespace kivet::nbt::test;

namespace {

void RegisterUsualNames(EngineHarness& h)
{
    ASSERT_EQ(h.Register(Name("PC-07", 0x00), false), kNrcGoodReturn);
    ASSERT_EQ(h.Register(Name("PC-07", 0x03), false), kNrcGoodReturn);
    ASSERT_EQ(h.Register(Name("JSMITH", 0x03), false), kNrcGoodReturn);
    ASSERT_EQ(h.Register(Name("OFFICE", 0x00), true), kNrcGoodReturn);
    ASSERT_EQ(h.Register(Name("OFFICE", 0x1E), true), kNrcGoodReturn);
    ASSERT_EQ(h.Register(Name("AUTOANSWERMODE", 0x11), true), kNrcGoodReturn);
}

} // namespace

TEST(EngineAnswers, QueriesForOurNamesAreAnsweredToTheAsker)
{
    EngineHarness h;
    RegisterUsualNames(h);
    struct Case {
        NetBiosName asked;
        bool answered;
        bool group;
    } cases[] = {
        {Name("PC-07", 0x00), true, false},  {Name("JSMITH", 0x03), true, false},
        {Name("OFFICE", 0x00), true, true},  {Name("OFFICE", 0x1E), true, true},
        {Name("PC-07", 0x20), false, false}, {Name("OTHER", 0x03), false, false},
        {WildcardName(), true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(DescribeName(c.asked));
        h.FromPeer(MakeNameQuery(0x4321, c.asked, true), kPeerAddress, 61000);
        const auto sent = h.sender.Take();
        ASSERT_EQ(sent.size(), c.answered ? 1u : 0u);
        if (!c.answered) continue;
        EXPECT_EQ(sent[0].address, kPeerAddress);
        EXPECT_EQ(sent[0].port, 61000);
        const NameServicePacket answer = sent[0].AsNameService();
        EXPECT_EQ(answer.id, 0x4321);
        EXPECT_EQ(answer.flags, 0x8500);
        EXPECT_EQ(answer.answers[0].name, c.asked);
        EXPECT_EQ(answer.answers[0].ttl, kNameTtlSeconds);
        EXPECT_EQ(answer.answers[0].addresses[0].address, kOwnAddress);
        EXPECT_EQ((answer.answers[0].addresses[0].flags & kNbGroup) != 0, c.group);
    }
}

TEST(EngineAnswers, NodeStatusListsNamesWithWindowsFlags)
{
    EngineHarness h;
    RegisterUsualNames(h);
    h.FromPeer(MakeNodeStatusRequest(0x0777, WildcardName()), kPeerAddress, 61001);
    const auto sent = h.sender.Take();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].port, 61001);
    const NameServicePacket answer = sent[0].AsNameService();
    EXPECT_EQ(answer.flags, 0x8400);
    const NsRecord& record = answer.answers[0];
    ASSERT_EQ(record.statusNames.size(), 6u);
    EXPECT_EQ(record.statusNames[0].flags, 0x0400); // unique, active
    EXPECT_EQ(record.statusNames[3].name, Name("OFFICE", 0x00));
    EXPECT_EQ(record.statusNames[3].flags, 0x8400); // group, active
    EXPECT_EQ(record.statusNames[5].name, Name("AUTOANSWERMODE", 0x11));
    EXPECT_EQ(record.unitId, TestConfig().mac);

    // Asked by one of our names it answers too; by a name we do not hold, not at all.
    h.FromPeer(MakeNodeStatusRequest(1, Name("PC-07", 0x00)));
    EXPECT_EQ(h.sender.Take().size(), 1u);
    h.FromPeer(MakeNodeStatusRequest(2, Name("OTHER", 0x00)));
    EXPECT_TRUE(h.sender.Take().empty());
}

TEST(EngineAnswers, LocalAdapterStatusShowsTheWorkgroupAs0x84)
{
    EngineHarness h;
    RegisterUsualNames(h);
    std::optional<AdapterStatus> status;
    NetBiosName local;
    local.fill(' ');
    local[0] = '*';
    h.engine.QueryAdapterStatus(local, h.now, [&](uint8_t nrc, const AdapterStatus& got) {
        EXPECT_EQ(nrc, kNrcGoodReturn);
        status = got;
    });
    ASSERT_TRUE(status.has_value());
    EXPECT_TRUE(h.sender.Take().empty()) << "the local status needs no network";

    // The computer name padded with blanks (suffix 0x20) asks this computer too.
    std::optional<AdapterStatus> own;
    NetBiosName padded = Name("pc-07", 0x20);
    h.engine.QueryAdapterStatus(padded, h.now, [&](uint8_t, const AdapterStatus& got) { own = got; });
    ASSERT_TRUE(own.has_value());
    EXPECT_EQ(own->names.size(), status->names.size());
    EXPECT_TRUE(h.sender.Take().empty());
    h.engine.QueryAdapterStatus(Name("PC-0", 0x20), h.now, [&](uint8_t, const AdapterStatus&) {});
    EXPECT_EQ(h.sender.Take().size(), 1u) << "a shorter name is somebody else's: it is looked up";
    EXPECT_EQ(status->mac, TestConfig().mac);
    // The browser's rule: the first name with flags 0x84 and suffix 0x00 is the workgroup.
    const AdapterStatusName* workgroup = nullptr;
    for (const AdapterStatusName& entry : status->names)
        if (entry.flags == 0x84 && SuffixOf(entry.name) == 0x00 && workgroup == nullptr) workgroup = &entry;
    ASSERT_NE(workgroup, nullptr);
    EXPECT_EQ(NameText(workgroup->name), "OFFICE");
    EXPECT_EQ(status->names[0].flags, 0x04);
}

TEST(EngineFindName, ThreeBroadcastsThenTimedOut)
{
    EngineHarness h;
    std::optional<uint8_t> result;
    h.engine.FindName(Name("NOBODY", 0x03), 0, [&](uint8_t nrc, uint32_t) { result = nrc; });
    std::vector<int64_t> sentAt;
    while (h.now < 3000) {
        for (const SentPacket& packet : h.sender.Take()) {
            sentAt.push_back(h.now);
            EXPECT_EQ(packet.address, kBroadcast);
            EXPECT_EQ(packet.AsNameService().flags, 0x0110);
        }
        h.Advance(50);
    }
    EXPECT_EQ(sentAt, (std::vector<int64_t>{0, 750, 1500}));
    EXPECT_EQ(result, kNrcCommandTimedOut);
}

TEST(EngineFindName, FirstPositiveAnswerGivesTheAddress)
{
    EngineHarness h;
    std::optional<uint32_t> found;
    h.engine.FindName(Name("PC-BOB", 0x03), 0, [&](uint8_t nrc, uint32_t address) {
        EXPECT_EQ(nrc, kNrcGoodReturn);
        found = address;
    });
    const NameServicePacket query = h.sender.Take()[0].AsNameService();
    h.Advance(800);
    h.sender.Take();
    // Not an answer: wrong name, negative, or another transaction.
    h.FromPeer(MakePositiveQueryResponse(query.id, Name("PC-BOB", 0x00), false, kOtherAddress));
    NameServicePacket negative = MakePositiveQueryResponse(query.id, Name("PC-BOB", 0x03), false, kOtherAddress);
    negative.flags = NsFlags(true, kOpQuery, kNsAuthoritative | kNsRecursionDesired, kRcodeNameError);
    h.FromPeer(negative);
    h.FromPeer(MakePositiveQueryResponse(query.id + 1, Name("PC-BOB", 0x03), false, kOtherAddress));
    EXPECT_FALSE(found.has_value());
    h.FromPeer(MakePositiveQueryResponse(query.id, Name("PC-BOB", 0x03), false, kPeerAddress));
    EXPECT_EQ(found, kPeerAddress);
    h.Advance(3000);
    EXPECT_TRUE(h.sender.Take().empty()) << "answered: no more sends";
    EXPECT_EQ(h.engine.PendingRequests(), 0u);
}

TEST(EngineFindName, OwnNamesAreFoundWithoutTheNetwork)
{
    EngineHarness h;
    ASSERT_EQ(h.Register(Name("PC-07", 0x03), false), kNrcGoodReturn);
    std::optional<uint32_t> found;
    h.engine.FindName(Name("pc-07", 0x03), h.now, [&](uint8_t, uint32_t address) { found = address; });
    EXPECT_EQ(found, kOwnAddress);
    EXPECT_TRUE(h.sender.Take().empty());
}

TEST(EngineFindName, RedirectIsRefusedAndTheQueryRunsOn)
{
    EngineHarness h;
    std::optional<uint8_t> result;
    h.engine.FindName(Name("PC-BOB", 0x03), 0, [&](uint8_t nrc, uint32_t) { result = nrc; });
    const NameServicePacket query = h.sender.Take()[0].AsNameService();
    NameServicePacket redirect;
    redirect.id = query.id;
    redirect.flags = NsFlags(true, kOpQuery, kNsRecursionDesired);
    NsRecord ns;
    ns.name = Name("PC-BOB", 0x03);
    ns.type = 0x0002;
    ns.rawData = {0x20, 'A', 0};
    redirect.authority.push_back(ns);
    h.FromPeer(redirect);
    EXPECT_EQ(h.engine.Counters().refusedRedirects, 1u);
    EXPECT_FALSE(result.has_value());
    h.Advance(3000);
    EXPECT_EQ(result, kNrcCommandTimedOut);
}

TEST(EngineNodeStatus, RemoteStatusByNameMapsTheFlags)
{
    EngineHarness h;
    std::optional<AdapterStatus> status;
    uint8_t result = 0xFF;
    h.engine.QueryAdapterStatus(Name("PC-BOB", 0x00), 0, [&](uint8_t nrc, const AdapterStatus& got) {
        result = nrc;
        status = got;
    });
    const NameServicePacket query = h.sender.Take()[0].AsNameService();
    h.FromPeer(MakePositiveQueryResponse(query.id, Name("PC-BOB", 0x00), false, kPeerAddress));
    auto sent = h.sender.Take();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].address, kPeerAddress) << "node status goes to the node that answered";
    const NameServicePacket statusRequest = sent[0].AsNameService();
    EXPECT_EQ(statusRequest.questions[0].type, kTypeNodeStatus);
    EXPECT_TRUE(IsWildcardName(statusRequest.questions[0].name));

    const std::vector<NodeStatusName> names = {
        {Name("PC-BOB", 0x00), 0x0400}, {Name("OFFICE", 0x00), 0x8400}, {Name("BOB", 0x03), 0x0400 | 0x0200},
        {Name("AUTOANSWERMODE", 0x11), 0x8400}, {Name("OLD", 0x03), 0x1000}, {Name("TWICE", 0x03), 0x0800},
        {Name("NEW", 0x03), 0x0000},
    };
    const std::array<uint8_t, 6> mac = {0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
    h.FromPeer(MakeNodeStatusResponse(statusRequest.id, WildcardName(), names, mac), kOtherAddress);
    EXPECT_FALSE(status.has_value()) << "an answer from another node does not count";
    h.FromPeer(MakeNodeStatusResponse(statusRequest.id, WildcardName(), names, mac), kPeerAddress);
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(result, kNrcGoodReturn);
    EXPECT_EQ(status->mac, mac);
    std::vector<uint8_t> flags;
    for (const AdapterStatusName& entry : status->names)
        flags.push_back(entry.flags);
    EXPECT_EQ(flags, (std::vector<uint8_t>{0x04, 0x84, 0x04, 0x84, 0x05, 0x06, 0x00}));
}

TEST(EngineNodeStatus, SilentNodeTimesOut)
{
    EngineHarness h;
    std::optional<uint8_t> result;
    h.engine.QueryNodeStatus(kPeerAddress, 0, [&](uint8_t nrc, const AdapterStatus&) { result = nrc; });
    h.Advance(2200);
    EXPECT_FALSE(result.has_value());
    EXPECT_EQ(h.sender.Take().size(), 3u);
    h.Advance(100);
    EXPECT_EQ(result, kNrcCommandTimedOut);
}

// How a call name reaches the node whose status it asks: a blank-padded computer name through
// the computer's workstation name <00> (nobody here registers <20>), any other name as it is, a
// dotted address without a name query at all (this node's own address answered locally).
TEST(EngineNodeStatus, CallNamesReachTheirNode)
{
    struct Case {
        const char* text;
        uint8_t suffix;
        bool statusAtOnce; // the node status request goes out without a name query
        uint8_t askedSuffix;
    } cases[] = {
        {"PC-BOB", 0x20, false, 0x00},         {"PC-BOB", 0x03, false, 0x03},
        {"192.168.10.2", 0x20, true, 0},       {"192.168.10.256", 0x20, false, 0x00},
        {"192.168.10", 0x20, false, 0x00},     {"192.168.10.2.7", 0x20, false, 0x00},
        {"192.168.10.02x", 0x20, false, 0x00},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EngineHarness h;
        h.engine.QueryAdapterStatus(Name(c.text, c.suffix), 0, [](uint8_t, const AdapterStatus&) {});
        const auto sent = h.sender.Take();
        ASSERT_EQ(sent.size(), 1u);
        const NameServicePacket packet = sent[0].AsNameService();
        if (c.statusAtOnce) {
            EXPECT_EQ(sent[0].address, kPeerAddress);
            EXPECT_EQ(packet.questions[0].type, kTypeNodeStatus);
        } else {
            EXPECT_EQ(sent[0].address, kBroadcast);
            EXPECT_EQ(packet.questions[0].name, Name(c.text, c.askedSuffix));
        }
    }

    EngineHarness h;
    std::optional<AdapterStatus> own;
    ASSERT_EQ(h.Register(Name("PC-07", 0x00), false), kNrcGoodReturn);
    h.sender.Take();
    h.engine.QueryAdapterStatus(Name("192.168.10.1", 0x20), 0, [&](uint8_t, const AdapterStatus& got) { own = got; });
    ASSERT_TRUE(own.has_value());
    EXPECT_EQ(own->names.size(), 1u);
    EXPECT_TRUE(h.sender.Take().empty());
}
