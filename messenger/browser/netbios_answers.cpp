#include "messenger/browser/netbios_answers.h"

#include <algorithm>
#include <cstring>

namespace kivet {
namespace {

uint16_t LoadLe16(const uint8_t* bytes)
{
    return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

} // namespace

bool ReadAdapterStatusAnswer(const uint8_t* data, std::size_t length, AdapterStatus& status)
{
    using L = AdapterStatusLayout;
    status = AdapterStatus{};
    if (data == nullptr || length < L::kHeaderSize) return false;
    std::memcpy(status.mac.data(), data + L::kMacAddress, status.mac.size());
    const std::size_t announced = LoadLe16(data + L::kNameCount);
    const std::size_t received = (length - L::kHeaderSize) / L::kEntrySize;
    const std::size_t count = std::min(announced, received);
    status.names.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const uint8_t* entry = data + L::kHeaderSize + i * L::kEntrySize;
        AdapterStatusName name;
        std::memcpy(name.name.data(), entry + L::kEntryName, name.name.size());
        name.number = entry[L::kEntryNumber];
        name.flags = entry[L::kEntryFlags];
        status.names.push_back(name);
    }
    return true;
}

bool ReadFindNameAnswer(const uint8_t* data, std::size_t length, std::array<uint8_t, 6>& sourceAddress)
{
    using L = FindNameLayout;
    if (data == nullptr || length < L::kHeaderSize + L::kEntrySize) return false;
    if (LoadLe16(data + L::kNodeCount) == 0) return false;
    std::memcpy(sourceAddress.data(), data + L::kHeaderSize + L::kEntrySourceAddress, sourceAddress.size());
    return true;
}

} // namespace kivet
