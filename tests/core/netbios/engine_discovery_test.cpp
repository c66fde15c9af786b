// Discovery of the workgroups and computers on the subnet.
#include <gtest/gtest.h>

#include <optional>

#include "messenger/netbios/name_text.h"
#include "tests/core/netbios/engine_harness.h"

using namespace kivet;
using namespace kivet::nbt;
using namespace kivet::nbt::test;

TEST(EngineDiscovery, AnswerersAreAskedForTheirStatus)
{
    EngineHarness h;
    ASSERT_EQ(h.Register(Name("PC-07", 0x00), false), kNrcGoodReturn);
    ASSERT_EQ(h.Register(Name("OFFICE", 0x00), true), kNrcGoodReturn);

    std::optional<Discovery> found;
    h.engine.Discover(h.now, [&](const Discovery& discovery) { found = discovery; });
    const auto queries = h.sender.Take();
    ASSERT_GE(queries.size(), 2u);
    const NameServicePacket wildcard = queries[0].AsNameService();
    EXPECT_TRUE(IsWildcardName(wildcard.questions[0].name));
    EXPECT_EQ(queries[0].address, kBroadcast);

    // Two nodes answer the wildcard (one twice, through a second query).
    h.FromPeer(MakePositiveQueryResponse(wildcard.id, WildcardName(), false, kPeerAddress), kPeerAddress);
    h.FromPeer(MakePositiveQueryResponse(wildcard.id, WildcardName(), false, kOtherAddress), kOtherAddress);
    h.FromPeer(MakePositiveQueryResponse(queries.back().AsNameService().id, queries.back().AsNameService().questions[0].name,
                                         true, kPeerAddress),
               kPeerAddress);
    EXPECT_FALSE(found.has_value());
    h.Advance(2300);
    auto statusRequests = h.sender.Take();
    std::vector<uint32_t> asked;
    std::map<uint32_t, uint16_t> ids;
    for (const SentPacket& packet : statusRequests) {
        const NameServicePacket ns = packet.AsNameService();
        if (ns.questions[0].type != kTypeNodeStatus) continue;
        asked.push_back(packet.address);
        ids[packet.address] = ns.id;
    }
    EXPECT_EQ(asked, (std::vector<uint32_t>{kPeerAddress, kOtherAddress})) << "each answerer once";

    h.FromPeer(MakeNodeStatusResponse(ids[kPeerAddress], WildcardName(),
                                      {{Name("PC-BOB", 0x00), 0x0400}, {Name("BOB", 0x03), 0x0400},
                                       {Name("OFFICE", 0x00), 0x8400}},
                                      {}),
               kPeerAddress);
    h.FromPeer(MakeNodeStatusResponse(ids[kOtherAddress], WildcardName(),
                                      {{Name("SALES", 0x1E), 0x8400}, {Name("PC-ANN", 0x00), 0x0400}}, {}),
               kOtherAddress);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->workgroups, (std::vector<std::string>{"OFFICE", "SALES"}));
    ASSERT_EQ(found->computers.size(), 3u);
    EXPECT_EQ(found->computers[0].name, "PC-07");
    EXPECT_EQ(found->computers[0].workgroup, "OFFICE");
    EXPECT_EQ(found->computers[1].name, "PC-ANN");
    EXPECT_EQ(found->computers[1].workgroup, "SALES");
    EXPECT_EQ(found->computers[2].name, "PC-BOB");
    EXPECT_EQ(found->computers[2].address, kPeerAddress);
}

TEST(EngineDiscovery, SilentSubnetGivesThisComputerOnly)
{
    EngineHarness h;
    ASSERT_EQ(h.Register(Name("PC-07", 0x00), false), kNrcGoodReturn);
    std::optional<Discovery> found;
    h.engine.Discover(h.now, [&](const Discovery& discovery) { found = discovery; });
    h.Advance(2300);
    ASSERT_TRUE(found.has_value());
    ASSERT_EQ(found->computers.size(), 1u);
    EXPECT_EQ(found->computers[0].name, "PC-07");
    EXPECT_TRUE(found->workgroups.empty());
    EXPECT_EQ(h.engine.PendingRequests(), 0u);
}

TEST(EngineDiscovery, AnswerFloodIsCapped)
{
    EngineConfig config = TestConfig();
    config.maxDiscovered = 8;
    EngineHarness h(config);
    ASSERT_EQ(h.Register(Name("PC-07", 0x00), false), kNrcGoodReturn);
    std::optional<Discovery> found;
    h.engine.Discover(h.now, [&](const Discovery& discovery) { found = discovery; });
    const NameServicePacket wildcard = h.sender.Take()[0].AsNameService();
    for (uint32_t i = 0; i < 1000; ++i)
        h.FromPeer(MakePositiveQueryResponse(wildcard.id, WildcardName(), false, 0x0A000000 + i), 0x0A000000 + i);
    h.Advance(2300);
    std::size_t statusRequests = 0;
    for (const SentPacket& packet : h.sender.Take())
        if (packet.AsNameService().questions[0].type == kTypeNodeStatus) ++statusRequests;
    EXPECT_LE(statusRequests, 8u);
    h.Advance(2300);
    EXPECT_TRUE(found.has_value());
}
