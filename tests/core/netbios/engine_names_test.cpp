// The name table on the network: registration by broadcast (and with a WINS server), defence
// against other nodes, conflicts and release.
#include <gtest/gtest.h>

#include <optional>

#include "tests/core/netbios/engine_harness.h"

using namespace kivet;
using namespace kivet::nbt;
using namespace kivet::nbt::test;

TEST(EngineRegistration, ThreeBroadcastsThenOverwriteDemandThenRegistered)
{
    EngineHarness h;
    std::optional<uint8_t> result;
    h.engine.AddName(Name("PC-07", 0x03), false, 0, [&](uint8_t nrc) { result = nrc; });

    std::vector<int64_t> sentAt;
    for (int step = 0; step <= 3000 / 50; ++step) {
        for (const SentPacket& packet : h.sender.Take()) {
            sentAt.push_back(h.now);
            EXPECT_EQ(packet.address, kBroadcast);
            EXPECT_EQ(packet.port, 137);
            const NameServicePacket ns = packet.AsNameService();
            EXPECT_EQ(ns.Opcode(), kOpRegistration);
            EXPECT_EQ(ns.questions[0].name, Name("PC-07", 0x03));
            EXPECT_EQ(ns.additional[0].addresses[0].address, kOwnAddress);
            // The first three ask for recursion (requests); the last is the overwrite demand.
            EXPECT_EQ((ns.flags & kNsRecursionDesired) != 0, sentAt.size() <= 3);
        }
        if (sentAt.size() < 4) {
            EXPECT_FALSE(result.has_value()) << h.now;
        }
        h.Advance(50);
    }
    EXPECT_EQ(sentAt, (std::vector<int64_t>{0, 750, 1500, 2250}));
    EXPECT_EQ(result, kNrcGoodReturn);
    EXPECT_EQ(h.engine.Names().FindRegistered(Name("PC-07", 0x03))->state, NameState::Registered);
}

TEST(EngineRegistration, ObjectionRefusesTheNameWithInUseElsewhere)
{
    EngineHarness h;
    std::optional<uint8_t> result;
    h.engine.AddName(Name("JSMITH", 0x03), false, 0, [&](uint8_t nrc) { result = nrc; });
    const NameServicePacket request = h.sender.Take()[0].AsNameService();
    h.Advance(800);
    EXPECT_EQ(h.sender.Take().size(), 1u) << "the second broadcast, with the same id";
    h.FromPeer(MakeNegativeRegistrationResponse(request.id, Name("JSMITH", 0x03), false, kPeerAddress));
    EXPECT_EQ(result, kNrcNameInUseElsewhere);
    EXPECT_EQ(h.engine.Names().Find(Name("JSMITH", 0x03)), nullptr);
    h.Advance(3000);
    EXPECT_TRUE(h.sender.Take().empty()) << "no more requests and no overwrite demand";

    // A negative answer with another transaction id is somebody else's business.
    EngineHarness other;
    other.engine.AddName(Name("JSMITH", 0x03), false, 0, [&](uint8_t nrc) { result = nrc; });
    result.reset();
    other.FromPeer(MakeNegativeRegistrationResponse(0x7777, Name("JSMITH", 0x03), false, kPeerAddress));
    other.Advance(3000);
    EXPECT_EQ(result, kNrcGoodReturn);
}

TEST(EngineRegistration, LocalRefusals)
{
    EngineConfig config = TestConfig();
    config.maxNames = 2;
    EngineHarness h(config);
    ASSERT_EQ(h.Register(Name("PC-07", 0x00), false), kNrcGoodReturn);
    EXPECT_EQ(h.Register(Name("PC-07", 0x00), false), kNrcDuplicateName);
    EXPECT_EQ(h.Register(Name("pc-07", 0x00), true), kNrcDuplicateName) << "same name as a group";
    ASSERT_EQ(h.Register(Name("OFFICE", 0x00), true), kNrcGoodReturn);
    EXPECT_EQ(h.Register(Name("OFFICE", 0x1E), true), kNrcNameTableFull);
    EXPECT_EQ(h.engine.DeleteName(Name("NOBODY", 0x03)), kNrcNameNotFound);
}

TEST(EngineDefence, UniqueNameIsDefendedAgainstAnyRegistration)
{
    EngineHarness h;
    ASSERT_EQ(h.Register(Name("PC-07", 0x03), false), kNrcGoodReturn);
    for (const bool group : {false, true}) {
        h.FromPeer(MakeRegistration(0x0102, Name("PC-07", 0x03), group, kPeerAddress, true), kPeerAddress, 50137);
        const auto sent = h.sender.Take();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].address, kPeerAddress);
        EXPECT_EQ(sent[0].port, 50137) << "answered to the asking port";
        const NameServicePacket answer = sent[0].AsNameService();
        EXPECT_EQ(answer.id, 0x0102);
        EXPECT_EQ(answer.flags, 0xAD86);
        EXPECT_EQ(answer.Rcode(), kRcodeActive);
        EXPECT_EQ(answer.answers[0].addresses[0].address, kOwnAddress);
    }
    EXPECT_EQ(h.engine.Counters().defences, 2u);
}

TEST(EngineDefence, GroupNameIsSharedButNotGivenToAUniqueOwner)
{
    EngineHarness h;
    ASSERT_EQ(h.Register(Name("OFFICE", 0x00), true), kNrcGoodReturn);
    h.FromPeer(MakeRegistration(1, Name("OFFICE", 0x00), true, kPeerAddress, true));
    EXPECT_TRUE(h.sender.Take().empty()) << "another member joins the group";
    h.FromPeer(MakeRegistration(2, Name("OFFICE", 0x00), false, kPeerAddress, true));
    ASSERT_EQ(h.sender.Take().size(), 1u);

    // Names still being registered, and names we do not hold, are not defended.
    h.engine.AddName(Name("NEW", 0x03), false, h.now, [](uint8_t) {});
    h.sender.Take();
    h.FromPeer(MakeRegistration(3, Name("NEW", 0x03), false, kPeerAddress, true));
    h.FromPeer(MakeRegistration(4, Name("ELSEWHERE", 0x03), false, kPeerAddress, true));
    EXPECT_TRUE(h.sender.Take().empty());
}

TEST(EngineDefence, OwnEchoIsNotAnObjectionNorDefended)
{
    EngineHarness h;
    std::optional<uint8_t> result;
    h.engine.AddName(Name("PC-07", 0x03), false, 0, [&](uint8_t nrc) { result = nrc; });
    const SentPacket echo = h.sender.Take()[0];
    h.engine.OnNameServicePacket(kOwnAddress, 137, echo.bytes.data(), echo.bytes.size(), 0);
    h.Advance(3000);
    EXPECT_EQ(result, kNrcGoodReturn);
    h.sender.Take();
    h.engine.OnNameServicePacket(kOwnAddress, 137, echo.bytes.data(), echo.bytes.size(), h.now);
    EXPECT_TRUE(h.sender.Take().empty());
}

TEST(EngineConflict, ConflictDemandStopsAnswersForTheName)
{
    EngineHarness h;
    ASSERT_EQ(h.Register(Name("PC-07", 0x00), false), kNrcGoodReturn);
    NameServicePacket demand = MakeNegativeRegistrationResponse(0x5150, Name("PC-07", 0x00), false, kPeerAddress);
    demand.flags = NsFlags(true, kOpRegistration, kNsAuthoritative | kNsRecursionDesired | kNsRecursionAvailable,
                           kRcodeConflict);
    h.FromPeer(demand);
    EXPECT_EQ(h.engine.Names().Find(Name("PC-07", 0x00))->state, NameState::Conflict);
    h.FromPeer(MakeNameQuery(9, Name("PC-07", 0x00), true));
    EXPECT_TRUE(h.sender.Take().empty());
    // NCBASTAT shows it as a duplicate (0x06).
    EXPECT_EQ(h.engine.LocalStatus().names[0].flags, 0x06);
}

TEST(EngineRelease, DeleteAndExitReleaseRegisteredNames)
{
    EngineHarness h;
    ASSERT_EQ(h.Register(Name("PC-07", 0x00), false), kNrcGoodReturn);
    ASSERT_EQ(h.Register(Name("OFFICE", 0x00), true), kNrcGoodReturn);
    ASSERT_EQ(h.Register(Name("AUTOANSWERMODE", 0x11), true), kNrcGoodReturn);

    EXPECT_EQ(h.engine.DeleteName(Name("AUTOANSWERMODE", 0x11)), kNrcGoodReturn);
    auto sent = h.sender.Take();
    ASSERT_EQ(sent.size(), 1u);
    NameServicePacket release = sent[0].AsNameService();
    EXPECT_EQ(sent[0].address, kBroadcast);
    EXPECT_EQ(release.Opcode(), kOpRelease);
    EXPECT_EQ(release.questions[0].name, Name("AUTOANSWERMODE", 0x11));
    EXPECT_EQ(release.additional[0].addresses[0].flags, kNbGroup);

    h.engine.ReleaseAll();
    sent = h.sender.Take();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].AsNameService().questions[0].name, Name("PC-07", 0x00));
    EXPECT_EQ(sent[1].AsNameService().questions[0].name, Name("OFFICE", 0x00));
    EXPECT_TRUE(h.engine.Names().Names().empty());
    h.FromPeer(MakeNameQuery(9, Name("PC-07", 0x00), true));
    EXPECT_TRUE(h.sender.Take().empty()) << "a released name is not answered";
}

TEST(EngineWins, ServerDecidesAndWackStretchesTheWait)
{
    EngineConfig config = TestConfig();
    config.winsServer = kWinsAddress;
    EngineHarness h(config);
    std::optional<uint8_t> result;
    h.engine.AddName(Name("PC-07", 0x00), false, 0, [&](uint8_t nrc) { result = nrc; });
    auto sent = h.sender.Take();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].address, kWinsAddress);
    const NameServicePacket request = sent[0].AsNameService();
    EXPECT_EQ(request.flags & kNsBroadcast, 0);

    NameServicePacket wack;
    wack.id = request.id;
    wack.flags = NsFlags(true, kOpWack, kNsAuthoritative);
    NsRecord record;
    record.name = Name("PC-07", 0x00);
    record.ttl = 10; // seconds
    wack.answers.push_back(record);
    h.FromPeer(wack, kWinsAddress);
    h.Advance(9000);
    EXPECT_TRUE(h.sender.Take().empty()) << "no resend while the server asked us to wait";
    EXPECT_FALSE(result.has_value());

    NameServicePacket positive = MakeNegativeRegistrationResponse(request.id, Name("PC-07", 0x00), false, kOwnAddress);
    positive.flags = NsFlags(true, kOpRegistration, kNsAuthoritative | kNsRecursionDesired | kNsRecursionAvailable);
    h.FromPeer(positive, kPeerAddress);
    EXPECT_FALSE(result.has_value()) << "only the server's answer counts";
    h.FromPeer(positive, kWinsAddress);
    EXPECT_EQ(result, kNrcGoodReturn);
}

TEST(EngineWins, SilentServerFallsBackToBroadcast)
{
    EngineConfig config = TestConfig();
    config.winsServer = kWinsAddress;
    EngineHarness h(config);
    std::optional<uint8_t> result;
    h.engine.AddName(Name("PC-07", 0x00), false, 0, [&](uint8_t nrc) { result = nrc; });
    h.Advance(3 * 1500);
    auto sent = h.sender.Take();
    ASSERT_EQ(sent.size(), 4u); // three to the server, then the first broadcast
    EXPECT_EQ(sent[2].address, kWinsAddress);
    EXPECT_EQ(sent[3].address, kBroadcast);
    h.Advance(3000);
    EXPECT_EQ(result, kNrcGoodReturn);
}
