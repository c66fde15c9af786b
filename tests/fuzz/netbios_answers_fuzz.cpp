// The NCBASTAT and NCBFINDNAME answer readers, and what the program reads out of a name table,
// on arbitrary answers. The first byte picks the reader (even: adapter status, odd: find-name);
// the rest is the answer as the system filled it.
#include <cstddef>
#include <cstdint>

#include "messenger/browser/adapter_status_names.h"
#include "messenger/browser/netbios_answers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const uint8_t* answer = data + 1;
    const std::size_t length = size - 1;
    if ((data[0] & 1) == 0) {
        kivet::AdapterStatus status;
        if (!kivet::ReadAdapterStatusAnswer(answer, length, status)) return 0;
        if (status.names.size() > length / kivet::AdapterStatusLayout::kEntrySize) __builtin_trap();
        kivet::WorkgroupOf(status);
        kivet::HasAutoReplyMark(status);
        kivet::MacAddressText(status.mac);
        for (const kivet::AdapterStatusName& entry : status.names) {
            const std::string text = kivet::NetBiosNameText(entry.name);
            kivet::LoggedOnUsersOf(status, text);
            kivet::HoldsMessengerName(status, text);
        }
    } else {
        std::array<uint8_t, 6> source{};
        if (kivet::ReadFindNameAnswer(answer, length, source)) kivet::IpAddressText(source);
    }
    return 0;
}
