#include "messenger/app/application.h"

#include "common/win32/win32_codec.h"

namespace kivet {

ListObjects::ListObjects(NetworkState* const& network)
    : names(network), lists(registry, SystemCodec()), autoReply(registry, names)
{
}

} // namespace kivet
