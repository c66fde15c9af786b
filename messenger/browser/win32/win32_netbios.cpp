#include "messenger/browser/win32/win32_netbios.h"

#include <windows.h>
#include <nb30.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "messenger/browser/netbios_answers.h"

namespace kivet {
namespace {

// The answer layouts the readers assume are the system's own.
static_assert(sizeof(ADAPTER_STATUS) == AdapterStatusLayout::kHeaderSize, "adapter status header");
static_assert(offsetof(ADAPTER_STATUS, name_count) == AdapterStatusLayout::kNameCount, "name count");
static_assert(sizeof(NAME_BUFFER) == AdapterStatusLayout::kEntrySize, "name entry");
static_assert(offsetof(NAME_BUFFER, name_flags) == AdapterStatusLayout::kEntryFlags, "name flags");
static_assert(sizeof(FIND_NAME_HEADER) == FindNameLayout::kHeaderSize, "find-name header");
static_assert(sizeof(FIND_NAME_BUFFER) == FindNameLayout::kEntrySize, "find-name entry");
static_assert(offsetof(FIND_NAME_BUFFER, source_addr) == FindNameLayout::kEntrySourceAddress, "source address");
static_assert(kAdapterStatusBufferSize == sizeof(ADAPTER_STATUS) + 20 * sizeof(NAME_BUFFER), "twenty names");

UCHAR NameCommand(UCHAR command, uint8_t lana, const NetBiosName& name)
{
    NCB ncb{};
    ncb.ncb_command = command;
    ncb.ncb_lana_num = lana;
    std::memcpy(ncb.ncb_name, name.data(), NCBNAMSZ);
    return Netbios(&ncb);
}

// The bytes an answer filled: what the system reports, never more than the buffer.
std::size_t Received(const NCB& ncb, std::size_t bufferSize)
{
    return std::min<std::size_t>(ncb.ncb_length, bufferSize);
}

} // namespace

uint8_t Win32NetBios::EnumerateAdapters(std::vector<uint8_t>& lanas)
{
    LANA_ENUM list{};
    NCB ncb{};
    ncb.ncb_command = NCBENUM;
    ncb.ncb_buffer = reinterpret_cast<PUCHAR>(&list);
    ncb.ncb_length = sizeof list;
    const UCHAR result = Netbios(&ncb);
    lanas.clear();
    if (result != NRC_GOODRET) return result;
    const std::size_t count = std::min<std::size_t>(list.length, sizeof list.lana);
    lanas.assign(list.lana, list.lana + count);
    return result;
}

uint8_t Win32NetBios::Reset(uint8_t lana)
{
    NCB ncb{};
    ncb.ncb_command = NCBRESET;
    ncb.ncb_lana_num = lana;
    return Netbios(&ncb);
}

uint8_t Win32NetBios::QueryAdapterStatus(uint8_t lana, const NetBiosName& callName, AdapterStatus& status)
{
    uint8_t answer[kAdapterStatusBufferSize] = {};
    NCB ncb{};
    ncb.ncb_command = NCBASTAT;
    ncb.ncb_lana_num = lana;
    std::memcpy(ncb.ncb_callname, callName.data(), NCBNAMSZ);
    ncb.ncb_buffer = answer;
    ncb.ncb_length = sizeof answer;
    const UCHAR result = Netbios(&ncb);
    if (result != NRC_GOODRET && result != NRC_INCOMP) return result;
    if (!ReadAdapterStatusAnswer(answer, Received(ncb, sizeof answer), status)) return kNrcSystem;
    return kNrcGoodReturn;
}

uint8_t Win32NetBios::FindName(uint8_t lana, const NetBiosName& name, std::array<uint8_t, 6>& sourceAddress)
{
    uint8_t answer[kFindNameBufferSize] = {};
    NCB ncb{};
    ncb.ncb_command = NCBFINDNAME;
    ncb.ncb_lana_num = lana;
    std::memcpy(ncb.ncb_callname, name.data(), NCBNAMSZ);
    ncb.ncb_buffer = answer;
    ncb.ncb_length = sizeof answer;
    const UCHAR result = Netbios(&ncb);
    if (result != NRC_GOODRET) return result;
    if (!ReadFindNameAnswer(answer, Received(ncb, sizeof answer), sourceAddress)) return kNrcNameNotFound;
    return kNrcGoodReturn;
}

uint8_t Win32NetBios::AddName(uint8_t lana, const NetBiosName& name)
{
    return NameCommand(NCBADDNAME, lana, name);
}

uint8_t Win32NetBios::AddGroupName(uint8_t lana, const NetBiosName& name)
{
    return NameCommand(NCBADDGRNAME, lana, name);
}

uint8_t Win32NetBios::DeleteName(uint8_t lana, const NetBiosName& name)
{
    return NameCommand(NCBDELNAME, lana, name);
}

} // namespace kivet
