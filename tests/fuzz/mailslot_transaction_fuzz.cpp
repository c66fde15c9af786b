// Fuzzes the reader of the SMB transaction that carries a mailslot write: whatever it accepts
// lies inside the input, and the name it gives is checked before any use.
#include <cstddef>
#include <cstdint>

#include "messenger/netbios/mailslot_path.h"
#include "messenger/netbios/mailslot_transaction.h"
#include "tests/fuzz/netbios_fuzz_engine.h"

using namespace kivet::nbt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    MailslotWrite write;
    if (!ParseMailslotTransaction(data, size, write)) return 0;
    kivet::fuzz::Require(write.data >= data && write.data + write.size <= data + size);
    kivet::fuzz::Require(write.mailslotName.size() <= kMaxMailslotNameLength);
    const auto leaf = MailslotLeaf(write.mailslotName);
    if (leaf) kivet::fuzz::Require(kivet::nbt::fuzz::IsPlainLeaf(*leaf));
    const std::vector<uint8_t> again = BuildMailslotTransaction(write.mailslotName, write.data, write.size);
    MailslotWrite back;
    kivet::fuzz::Require(ParseMailslotTransaction(again.data(), again.size(), back));
    kivet::fuzz::Require(back.mailslotName == write.mailslotName && back.size == write.size);
    return 0;
}
