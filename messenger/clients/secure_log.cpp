#include "messenger/clients/secure_log.h"

#include <algorithm>
#include <string_view>

namespace kivet {
namespace {

template <std::size_t N> std::string_view BytesUpToZero(const std::array<uint8_t, N>& bytes)
{
    const auto end = std::find(bytes.begin(), bytes.end(), uint8_t{0});
    return std::string_view(reinterpret_cast<const char*>(bytes.data()), static_cast<std::size_t>(end - bytes.begin()));
}

} // namespace

void LogKeyLine(ActionWriter& log, const SecureKey& key)
{
    log.Write(BytesUpToZero(key));
}

void LogPrekeyLine(ActionWriter& log, const SecurePrekey& prekey)
{
    log.Write(BytesUpToZero(prekey));
}

} // namespace kivet
