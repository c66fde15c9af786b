#include "messenger/transport/relay_datagrams.h"

#include <algorithm>

#include "common/fixed_text.h"
#include "common/little_endian.h"

namespace kivet {
namespace {

// The name in one entry: up to its terminator, the end of the received bytes, or 19 characters.
std::string EntryName(const uint8_t* entry, std::size_t available)
{
    const std::size_t limit = std::min(available, kRelayAnswerEntrySize - 1);
    const char* text = reinterpret_cast<const char*>(entry);
    std::size_t length = 0;
    while (length < limit && text[length] != '\0')
        ++length;
    return std::string(text, length);
}

} // namespace

RelayGroupListRequest BuildGroupListRequest(std::string_view user, std::string_view computer)
{
    RelayGroupListRequest request{};
    CopyCut(request.userName, user);
    CopyCut(request.computerName, computer);
    return request;
}

RelayOfflineDatagram BuildOfflineRequest(std::string_view user, std::string_view computer)
{
    RelayOfflineDatagram request{};
    StoreLe32(request.kind, kRelayOfflineRequestKind);
    CopyCut(request.name, user);
    CopyCut(request.peerName, computer);
    return request;
}

RelayOfflineDatagram BuildOfflineStore(std::string_view senderNormalised, std::string_view recipient,
                                       std::string_view text)
{
    RelayOfflineDatagram store{};
    StoreLe32(store.kind, kRelayOfflineStoreKind);
    CopyCut(store.name, senderNormalised);
    CopyCut(store.peerName, recipient);
    CopyCut(store.text, text.substr(0, kRelayOfflineTextLimit));
    return store;
}

std::optional<RelayGroupListAnswer> ParseGroupListAnswer(const uint8_t* data, std::size_t size)
{
    if (data == nullptr || size < kRelayAnswerShortestSize) return std::nullopt;
    const std::size_t length = std::min(size, kRelayAnswerSize);
    const std::size_t present =
        length <= kRelayAnswerHeaderSize
            ? 0
            : (length - kRelayAnswerHeaderSize + kRelayAnswerEntrySize - 1) / kRelayAnswerEntrySize;
    const std::size_t count = std::min<std::size_t>(LoadLe32(data + 4), present);

    RelayGroupListAnswer answer;
    answer.reset = LoadLe32(data) != 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t offset = kRelayAnswerHeaderSize + i * kRelayAnswerEntrySize;
        answer.entries.push_back(EntryName(data + offset, length - offset));
    }
    return answer;
}

} // namespace kivet
