// Fuzzes the datagram service reader and the joining of fragments: the input is a sequence of
// datagrams (16-bit length, bytes), each read on its own and handed to an engine whose
// fragment store must stay within its bounds.
#include <cstddef>
#include <cstdint>

#include "messenger/netbios/datagram_packet.h"
#include "tests/fuzz/netbios_fuzz_engine.h"

using namespace kivet;
using namespace kivet::nbt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static nbt::fuzz::FuzzEngine* fuzz = new nbt::fuzz::FuzzEngine();
    const kivet::fuzz::FuzzInput input = kivet::fuzz::SplitFuzzInput(data, size);
    int64_t now = 20000;
    for (const std::vector<uint8_t>& bytes : input.datagrams) {
        DatagramPacket packet;
        if (ParseDatagramPacket(bytes.data(), bytes.size(), packet)) {
            const std::vector<uint8_t> again = BuildDatagramPacket(packet);
            DatagramPacket back;
            kivet::fuzz::Require(ParseDatagramPacket(again.data(), again.size(), back));
            kivet::fuzz::Require(back.userData == packet.userData && back.destination == packet.destination);
        }
        fuzz->engine.OnDatagramPacket(0xC0A80A02, 138, bytes.data(), bytes.size(), now);
        now += 100;
        const ReassemblyLimits limits;
        kivet::fuzz::Require(fuzz->engine.Reassembly().PendingCount() <= limits.maxPending);
        kivet::fuzz::Require(fuzz->engine.Reassembly().PendingBytes() <= limits.maxTotalBytes);
    }
    fuzz->engine.Tick(now + 10000);
    kivet::fuzz::Require(fuzz->engine.Reassembly().PendingCount() == 0);
    return 0;
}
