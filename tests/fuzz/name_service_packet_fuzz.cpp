// Fuzzes the name service reader: the input as one packet, read, written again and read back;
// then handed to an engine with names registered and requests waiting for answers.
#include <cstddef>
#include <cstdint>

#include "messenger/netbios/name_service_packet.h"
#include "tests/fuzz/netbios_fuzz_engine.h"

using namespace kivet;
using namespace kivet::nbt;

namespace {

void CheckRoundTrip(const uint8_t* data, std::size_t size)
{
    NameServicePacket packet;
    if (!ParseNameServicePacket(data, size, packet)) return;
    kivet::fuzz::Require(packet.questions.size() + packet.answers.size() + packet.authority.size() +
                             packet.additional.size() <= kMaxRecordsPerPacket);
    for (const NsRecord& record : packet.answers)
        kivet::fuzz::Require(record.statusNames.size() <= 255);
    const std::vector<uint8_t> again = BuildNameServicePacket(packet);
    NameServicePacket back;
    kivet::fuzz::Require(ParseNameServicePacket(again.data(), again.size(), back));
    kivet::fuzz::Require(back.id == packet.id && back.flags == packet.flags &&
                         back.questions.size() == packet.questions.size() &&
                         back.answers.size() == packet.answers.size());
    for (std::size_t i = 0; i < packet.questions.size(); ++i)
        kivet::fuzz::Require(back.questions[i].name == packet.questions[i].name &&
                             back.questions[i].scope == packet.questions[i].scope);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    CheckRoundTrip(data, size);

    static nbt::fuzz::FuzzEngine* fuzz = new nbt::fuzz::FuzzEngine();
    NbtEngine& engine = fuzz->engine;
    // Requests whose ids the input may hit: a query, a node status and a registration.
    engine.FindName(*NameFromText("PC-BOB", 0x03), 20000, [](uint8_t, uint32_t) {});
    engine.QueryNodeStatus(0xC0A80A02, 20000, [](uint8_t, const AdapterStatus&) {});
    engine.OnNameServicePacket(0xC0A80A02, 137, data, size, 20000);
    engine.Tick(200000); // whatever is still waiting expires (a WACK may ask for 60 s)
    kivet::fuzz::Require(engine.PendingRequests() == 0);
    return 0;
}
