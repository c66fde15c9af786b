// Mailslot writes over the datagram service: how each target is reached, and what is accepted
// and delivered on receipt.
#include <gtest/gtest.h>

#include <optional>

#include "messenger/netbios/mailslot_transaction.h"
#include "messenger/netbios/name_text.h"
#include "tests/core/netbios/engine_harness.h"

using namespace kivet;
using namespace kivet::nbt;
using namespace kivet::nbt::test;

namespace {

const std::vector<uint8_t> kMessage = Bytes(std::string("Bob\0Jsmith\0hello\0", 17));

void RegisterUsualNames(EngineHarness& h)
{
    ASSERT_EQ(h.Register(Name("PC-07", 0x00), false), kNrcGoodReturn);
    ASSERT_EQ(h.Register(Name("PC-07", 0x03), false), kNrcGoodReturn);
    ASSERT_EQ(h.Register(Name("JSMITH", 0x03), false), kNrcGoodReturn);
    ASSERT_EQ(h.Register(Name("OFFICE", 0x00), true), kNrcGoodReturn);
}

std::optional<bool> Send(EngineHarness& h, std::string_view target, std::string_view path = "\\mailslot\\messngr")
{
    std::optional<bool> result;
    h.engine.SendMailslot(target, path, kMessage.data(), kMessage.size(), h.now, [&](bool ok) { result = ok; });
    return result;
}

MailslotWrite WriteIn(const DatagramPacket& packet)
{
    MailslotWrite write;
    EXPECT_TRUE(ParseMailslotTransaction(packet.userData.data(), packet.userData.size(), write));
    return write;
}

DatagramPacket FromBob(uint8_t type, const NetBiosName& destination, std::string_view mailslot,
                       const std::vector<uint8_t>& data = kMessage)
{
    DatagramPacket packet;
    packet.type = type;
    packet.id = 77;
    packet.sourceAddress = kPeerAddress;
    packet.source = Name("PC-BOB", 0x00);
    packet.destination = destination;
    packet.userData = BuildMailslotTransaction(mailslot, data.data(), data.size());
    return packet;
}

} // namespace

TEST(EngineMailslotSend, WorkgroupAndStarGoToTheGroupNameAndHereToo)
{
    for (const char* target : {"OFFICE", "office", "*"}) {
        SCOPED_TRACE(target);
        EngineHarness h;
        RegisterUsualNames(h);
        EXPECT_EQ(Send(h, target, "\\mailslot\\kivet\\group"), true);
        const auto sent = h.sender.Take();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].address, kBroadcast);
        EXPECT_EQ(sent[0].port, 138);
        const DatagramPacket packet = sent[0].AsDatagram();
        EXPECT_EQ(packet.type, kDgmDirectGroup);
        EXPECT_EQ(packet.destination, Name("OFFICE", 0x00));
        EXPECT_EQ(packet.source, Name("PC-07", 0x00));
        EXPECT_EQ(packet.sourceAddress, kOwnAddress);
        const MailslotWrite write = WriteIn(packet);
        EXPECT_EQ(write.mailslotName, "\\MAILSLOT\\kivet\\group");
        EXPECT_EQ(std::vector<uint8_t>(write.data, write.data + write.size), kMessage);
        ASSERT_EQ(h.mailslots.delivered.size(), 1u) << "the writer's own computer is in its workgroup";
        EXPECT_EQ(h.mailslots.delivered[0].leaf, "kivet\\group");
    }
}

TEST(EngineMailslotSend, ComputerOrUserIsFoundByItsMessengerName)
{
    EngineHarness h;
    RegisterUsualNames(h);
    std::optional<bool> result;
    h.engine.SendMailslot("Bob", "\\mailslot\\messngr", kMessage.data(), kMessage.size(), h.now,
                          [&](bool ok) { result = ok; });
    EXPECT_FALSE(result.has_value()) << "waits for the name query";
    auto sent = h.sender.Take();
    ASSERT_EQ(sent.size(), 1u);
    const NameServicePacket query = sent[0].AsNameService();
    EXPECT_EQ(query.questions[0].name, Name("BOB", 0x03));
    h.FromPeer(MakePositiveQueryResponse(query.id, Name("BOB", 0x03), false, kPeerAddress));
    EXPECT_EQ(result, true);
    sent = h.sender.Take();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].address, kPeerAddress);
    const DatagramPacket packet = sent[0].AsDatagram();
    EXPECT_EQ(packet.type, kDgmDirectUnique);
    EXPECT_EQ(packet.destination, Name("BOB", 0x03));
    EXPECT_EQ(WriteIn(packet).mailslotName, "\\MAILSLOT\\messngr");

    // A second write finds the name in the cache: no query.
    EXPECT_EQ(Send(h, "BOB"), true);
    sent = h.sender.Take();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].AsDatagram().type, kDgmDirectUnique);
}

TEST(EngineMailslotSend, UnknownDomainIsFoundAsAGroupName)
{
    EngineHarness h;
    RegisterUsualNames(h);
    std::optional<bool> result;
    h.engine.SendMailslot("SALES", "\\mailslot\\messngr", kMessage.data(), kMessage.size(), h.now,
                          [&](bool ok) { result = ok; });
    h.Advance(2300); // SALES<03>: nobody
    const auto queries = h.sender.Take();
    ASSERT_EQ(queries.size(), 4u);
    const NameServicePacket second = queries[3].AsNameService();
    EXPECT_EQ(second.questions[0].name, Name("SALES", 0x00));
    h.FromPeer(MakePositiveQueryResponse(second.id, Name("SALES", 0x00), true, kOtherAddress));
    EXPECT_EQ(result, true);
    const auto sent = h.sender.Take();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].address, kBroadcast);
    EXPECT_EQ(sent[0].AsDatagram().type, kDgmDirectGroup);
}

TEST(EngineMailslotSend, RefusedTargetsAndPaths)
{
    EngineHarness h;
    RegisterUsualNames(h);
    for (const char* target : {"", "A\\B", "..\\X", "SIXTEEN-LETTERS!", "PC:1"})
        EXPECT_EQ(Send(h, target), false) << target;
    for (const char* path : {"\\mailslot\\..\\x", "\\pipe\\x", "\\mailslot\\", "messngr"})
        EXPECT_EQ(Send(h, "OFFICE", path), false) << path;
    EXPECT_TRUE(h.sender.Take().empty());
    EXPECT_TRUE(h.mailslots.delivered.empty());

    std::optional<bool> result;
    h.engine.SendMailslot("NOBODY", "\\mailslot\\messngr", kMessage.data(), kMessage.size(), h.now,
                          [&](bool ok) { result = ok; });
    h.Advance(5000);
    EXPECT_EQ(result, false) << "nobody holds NOBODY<03> or NOBODY<00>";

    EngineHarness nameless;
    EXPECT_EQ(Send(nameless, "*"), false) << "no names, no workgroup";
}

TEST(EngineMailslotSend, OwnNamesAreDeliveredHere)
{
    EngineHarness h;
    RegisterUsualNames(h);
    EXPECT_EQ(Send(h, "jsmith"), true);
    EXPECT_EQ(Send(h, "."), true);
    EXPECT_TRUE(h.sender.Take().empty());
    ASSERT_EQ(h.mailslots.delivered.size(), 2u);
    EXPECT_EQ(h.mailslots.delivered[0].data, kMessage);
    EXPECT_EQ(h.mailslots.delivered[1].leaf, "messngr");
}

TEST(EngineMailslotReceive, DatagramsForOurNamesAreDelivered)
{
    EngineHarness h;
    RegisterUsualNames(h);
    h.DatagramFromPeer(FromBob(kDgmDirectUnique, Name("JSMITH", 0x03), "\\MAILSLOT\\MESSNGR"));
    h.DatagramFromPeer(FromBob(kDgmDirectGroup, Name("OFFICE", 0x00), "\\MAILSLOT\\kivet\\group"));
    h.DatagramFromPeer(FromBob(kDgmBroadcast, WildcardName(), "\\MAILSLOT\\kivet\\autoanswer"));
    ASSERT_EQ(h.mailslots.delivered.size(), 3u);
    EXPECT_EQ(h.mailslots.delivered[0].leaf, "MESSNGR");
    EXPECT_EQ(h.mailslots.delivered[0].data, kMessage);
    EXPECT_EQ(h.mailslots.delivered[1].leaf, "kivet\\group");
    EXPECT_EQ(h.mailslots.delivered[2].leaf, "kivet\\autoanswer");
    EXPECT_EQ(h.engine.Counters().datagramsDelivered, 3u);
    EXPECT_TRUE(h.sender.Take().empty());
}

TEST(EngineMailslotReceive, DatagramsNotForUsAreNotDelivered)
{
    EngineHarness h;
    RegisterUsualNames(h);
    h.DatagramFromPeer(FromBob(kDgmDirectUnique, Name("STRANGER", 0x03), "\\MAILSLOT\\messngr"), kPeerAddress, 50138);
    auto sent = h.sender.Take();
    ASSERT_EQ(sent.size(), 1u) << "a unique name we do not hold: DATAGRAM ERROR";
    EXPECT_EQ(sent[0].port, 50138);
    const DatagramPacket error = sent[0].AsDatagram();
    EXPECT_EQ(error.type, kDgmError);
    EXPECT_EQ(error.errorCode, kDgmErrorNameNotPresent);
    EXPECT_EQ(error.id, 77);

    h.DatagramFromPeer(FromBob(kDgmDirectGroup, Name("SALES", 0x00), "\\MAILSLOT\\messngr"));
    h.DatagramFromPeer(FromBob(kDgmDirectGroup, Name("PC-07", 0x00), "\\MAILSLOT\\messngr")); // unique as group
    DatagramPacket scoped = FromBob(kDgmDirectUnique, Name("JSMITH", 0x03), "\\MAILSLOT\\messngr");
    scoped.destinationScope = "OTHER.SCOPE";
    h.DatagramFromPeer(scoped);
    EXPECT_TRUE(h.mailslots.delivered.empty());
    EXPECT_TRUE(h.sender.Take().empty()) << "group datagrams are never answered with errors";
}

TEST(EngineMailslotReceive, HostileMailslotNamesAreNeverUsed)
{
    EngineHarness h;
    RegisterUsualNames(h);
    for (const char* mailslot : {"\\MAILSLOT\\..\\..\\windows\\system.ini", "\\MAILSLOT\\a\\..\\b",
                                 "\\MAILSLOT\\c:\\x", "\\MAILSLOT\\\\\\server\\share"}) {
        h.DatagramFromPeer(FromBob(kDgmDirectUnique, Name("JSMITH", 0x03), mailslot));
    }
    DatagramPacket notMailslot = FromBob(kDgmDirectUnique, Name("JSMITH", 0x03), "\\MAILSLOT\\messngr");
    notMailslot.userData[4] = 0x72; // negotiate, not a transaction
    h.DatagramFromPeer(notMailslot);
    EXPECT_TRUE(h.mailslots.delivered.empty());
    EXPECT_EQ(h.engine.Counters().datagramsRefused, 5u);
}

TEST(EngineMailslotReceive, FragmentsAreJoinedBeforeDelivery)
{
    EngineHarness h;
    RegisterUsualNames(h);
    const std::vector<uint8_t> longMessage(1200, 'x');
    const auto fragments = FragmentDatagram(FromBob(kDgmDirectGroup, Name("OFFICE", 0x00), "\\MAILSLOT\\messngr",
                                                    longMessage));
    ASSERT_EQ(fragments.size(), 3u);
    h.DatagramFromPeer(fragments[2]);
    h.DatagramFromPeer(fragments[0]);
    EXPECT_TRUE(h.mailslots.delivered.empty());
    h.DatagramFromPeer(fragments[1]);
    ASSERT_EQ(h.mailslots.delivered.size(), 1u);
    EXPECT_EQ(h.mailslots.delivered[0].data, longMessage);
}

TEST(EngineMailslotReceive, HostileBytesOnBothPortsAreCountedAndDropped)
{
    EngineHarness h;
    RegisterUsualNames(h);
    const uint8_t junk[] = {0x10, 0x02, 0x00, 0x01, 0xC0, 0xA8, 0x0A, 0x02, 0x00, 0x8A, 0xFF, 0xFF, 0x00};
    h.engine.OnDatagramPacket(kPeerAddress, 138, junk, sizeof junk, h.now);
    h.engine.OnNameServicePacket(kPeerAddress, 137, junk, sizeof junk, h.now);
    h.engine.OnNameServicePacket(kPeerAddress, 137, junk, 0, h.now);
    EXPECT_EQ(h.engine.Counters().malformedPackets, 3u);
    EXPECT_TRUE(h.sender.Take().empty());
}
